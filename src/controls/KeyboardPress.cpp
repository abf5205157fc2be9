#include "controls/KeyboardPress.h"

#include "controls/ColorValue.h"
#include "controls/UiLook.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace pennoc {

namespace {

// The focus frame lies over the control and its children and takes no input; it is only there while the
// control has the focus.
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
        const QColor accent = toQColor(colors::kAccent);
        const bool onAccent = parentWidget()->palette().color(QPalette::Window) == accent;
        QPainter painter(this);
        painter.setPen(QPen(onAccent ? toQColor(colors::kWhite) : accent, 1, Qt::DotLine));
        // Inside the edge, where outlines drawn over the control leave it seen.
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
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
        case QEvent::FocusIn:
            m_mark->setGeometry(m_control->rect());
            m_mark->raise();
            m_mark->show();
            break;
        case QEvent::FocusOut:
            m_mark->hide();
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
