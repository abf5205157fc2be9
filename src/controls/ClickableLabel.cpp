#include "controls/ClickableLabel.h"

#include "controls/KeyboardPress.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace pennoc {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setMouseTracking(true);
    pressWithKeys(this, [this] { Q_EMIT clicked(); });
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_clicks.press(*event);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_clicks.release(*event, *this);
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseMoved();
}

// A label that can take the focus draws its text through a text document, laid out unlike a plain label's
// and cut at the design height; the caption is drawn as a plain label draws it.
void ClickableLabel::paintEvent(QPaintEvent* event) {
    if (!pixmap().isNull() || textFormat() == Qt::RichText || wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
}

} // namespace pennoc
