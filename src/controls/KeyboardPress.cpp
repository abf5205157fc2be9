#include "controls/KeyboardPress.h"

#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace pennoc {

namespace {

// A dotted frame just inside the control's edge, where outlines drawn over the control leave it seen: white
// on the accent colour, the accent colour elsewhere.
void drawFocusMark(QPainter& painter, const QWidget& control, const QRect& area) {
    const QColor accent = toQColor(colors::kAccent);
    const bool onAccent = control.palette().color(QPalette::Window) == accent;
    painter.setPen(QPen(onAccent ? toQColor(colors::kWhite) : accent, 1, Qt::DotLine));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
}

// A caption is painted over the mark, so that the mark never hides a stroke of it. Anything else (a picture,
// a switch's track) would cover a mark beneath it; there the mark lies over the control.
bool marksBeneath(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label && !label->text().isEmpty();
}

// The mark over a control, shown only while the control has the focus; it takes no input.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* control)
        : QWidget(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFocusMark(painter, *parentWidget(), rect());
    }
};

bool isPressKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    return !key.isAutoRepeat() && held == Qt::NoModifier &&
           (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space);
}

class KeyboardPress : public QObject {
public:
    KeyboardPress(QWidget* control, std::function<void()> press)
        : QObject(control)
        , m_control(control)
        , m_mark(new FocusMark(control))
        , m_press(std::move(press)) {
        control->setFocusPolicy(Qt::TabFocus);
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_control) {
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress:
            if (isPressKey(*static_cast<QKeyEvent*>(event))) {
                m_press();
                return true;
            }
            break;
        case QEvent::Paint:
            // Delivered before the control paints itself, over its filled background.
            if (m_control->hasFocus() && marksBeneath(*m_control)) {
                QPainter painter(m_control);
                drawFocusMark(painter, *m_control, m_control->rect());
            }
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            m_mark->setGeometry(m_control->rect());
            m_mark->raise();
            m_mark->setVisible(event->type() == QEvent::FocusIn && !marksBeneath(*m_control));
            m_control->update();
            break;
        case QEvent::Resize:
            m_mark->setGeometry(m_control->rect());
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_control;
    FocusMark* m_mark;
    std::function<void()> m_press;
};

} // namespace

void pressWithKeys(QWidget* control, std::function<void()> press) {
    new KeyboardPress(control, std::move(press));
}

void chainTabOrder(const std::vector<QWidget*>& controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

} // namespace pennoc
