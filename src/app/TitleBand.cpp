#include "app/TitleBand.h"

#include "controls/ControlAccessibility.h"
#include "controls/KeyboardPress.h"
#include "controls/PictureBox.h"
#include "controls/QtText.h"
#include "controls/TitleBandImages.h"
#include "controls/UiLook.h"
#include "controls/WindowDrag.h"
#include "controls/core/AppTexts.h"
#include "controls/core/ColorValue.h"
#include "controls/core/Twips.h"
#include "controls/core/WindowFrame.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>

namespace pennoc {

TitleBand::TitleBand(QWidget* window, int innerWidth)
    : QObject(window)
    , m_window(window) {
    m_lblFormTitle = new QLabel(toQString(texts::kProgramTitle), window);
    m_lblFormTitle->setObjectName(QStringLiteral("LblFormTitle"));
    m_lblFormTitle->setFont(uiFont(12));
    placeLabel(m_lblFormTitle, twipsRect(60, 30, 1125, 255));
    setTextColor(m_lblFormTitle, colors::kWhite);
    m_lblFormTitle->installEventFilter(this);

    for (int i = 0; i < 3; ++i) {
        auto* button = new PictureBox(window);
        button->setObjectName(QStringLiteral("PicMenu_%1").arg(i));
        button->resize(twipsToPixels(frame::kTitleButtonSize), twipsToPixels(frame::kTitleButtonSize));
        button->setPicture(titleBandImage(2 * i + 1));
        connect(button, &PictureBox::mouseMoved, this, [button, i] { button->setPicture(titleBandImage(2 * i + 2)); });
        connect(button, &PictureBox::clicked, this, [this, i] { Q_EMIT buttonClicked(i); });
        pressWithKeys(button, [this, i] { Q_EMIT buttonClicked(i); });
        const int left = innerWidth - (i + 1) * frame::kTitleButtonSize - (2 * i + 1) * 30;
        button->move(twipsToPixels(left), twipsToPixels(frame::kEdge));
        m_picMenu[static_cast<std::size_t>(i)] = button;
    }
    // The menu button has no command and is never shown; minimise takes its place.
    m_picMenu[1]->hide();
    m_picMenu[2]->move(m_picMenu[1]->pos());
    setAccessibleRole(m_picMenu[0], QAccessible::PushButton);
    m_picMenu[0]->setAccessibleName(toQString(texts::kCloseButtonName));
    setAccessibleRole(m_picMenu[2], QAccessible::PushButton);
    m_picMenu[2]->setAccessibleName(toQString(texts::kMinimiseButtonName));
}

void TitleBand::showResting() {
    for (int i = 0; i < 3; ++i) {
        m_picMenu[static_cast<std::size_t>(i)]->setPicture(titleBandImage(2 * i + 1));
    }
}

void TitleBand::showUnderPointer() {
    showResting();
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    for (int i = 0; i < 3; ++i) {
        if (under == m_picMenu[static_cast<std::size_t>(i)]) {
            m_picMenu[static_cast<std::size_t>(i)]->setPicture(titleBandImage(2 * i + 2));
        }
    }
}

bool TitleBand::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lblFormTitle && event->type() == QEvent::MouseButtonPress) {
        startWindowDrag(m_window, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pennoc
