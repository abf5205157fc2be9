#include "windows/FrmMessage.h"

#include "controls/ClickableLabel.h"
#include "controls/QtText.h"
#include "controls/TitleBandImages.h"
#include "controls/UiLook.h"
#include "controls/WindowDrag.h"
#include "controls/WrappingLabel.h"
#include "controls/core/AppTexts.h"
#include "controls/core/ColorValue.h"
#include "controls/core/Twips.h"
#include "controls/core/WindowFrame.h"
#include "platform/SoundOutput.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace pennoc {

namespace {

constexpr int kWindowWidth = 4125;
constexpr int kWindowHeight = 2670;
constexpr int kTitleLeft = 60;
constexpr int kTitleTop = 30;
constexpr int kTitleHeight = 255;

// A message is shown as typed: no markup, no mnemonics.
template <typename Label> Label* makeLabel(const QString& text, QWidget* parent) {
    auto* label = new Label(QString(), parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

int wholeTwips(float twips) {
    return static_cast<int>(std::lround(twips));
}

QRect pixelRect(const FrmMessage::TwipsBox& box) {
    return twipsRect(box.left, box.top, box.width, box.height);
}

} // namespace

FrmMessage::Layout FrmMessage::layOut(int width, int height, int closeSize, int confirmWidth, int confirmHeight) {
    const float innerWidth = static_cast<float>(width);

    Layout layout;
    layout.picInterface = {frame::kEdge, frame::kPanelTop, frame::panelWidth(width), frame::panelHeight(height)};
    layout.picClose = {wholeTwips(innerWidth - static_cast<float>(closeSize) - 30.0f), frame::kEdge, closeSize,
                       closeSize};

    const float panelWidth = static_cast<float>(layout.picInterface.width);
    const float panelHeight = static_cast<float>(layout.picInterface.height);
    layout.lblMessage = {120, 120, wholeTwips(panelWidth - 240.0f),
                         wholeTwips(panelHeight - 360.0f - static_cast<float>(confirmHeight))};

    layout.lblConfirm = {wholeTwips(panelWidth / 2.0f - static_cast<float>(confirmWidth) / 2.0f),
                         wholeTwips(static_cast<float>(layout.lblMessage.height) + 240.0f), confirmWidth,
                         confirmHeight};
    return layout;
}

FrmMessage::FrmMessage(SoundOutput& sound)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_sound(sound)
    , m_menuBar{titleBandImage(1), titleBandImage(2)} {
    setObjectName(QStringLiteral("FrmMessage"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A reminder closing must never end the program, whatever other windows are shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twipsToPixels(kWindowWidth), twipsToPixels(kWindowHeight));
    setFont(uiFont());
    setColors(this, colors::kAccent, colors::kWhite);
    setMouseTracking(true);

    // Made first so that it lies beneath the close box and the panel: a long title runs under them.
    m_lblFormTitle = makeLabel<QLabel>(QStringLiteral("消息框标题"), this);
    m_lblFormTitle->setObjectName(QStringLiteral("LblFormTitle"));
    setTextColor(m_lblFormTitle, colors::kWhite);
    placeTitle();
    m_lblFormTitle->installEventFilter(this);

    m_picInterface = new QWidget(this);
    m_picInterface->setObjectName(QStringLiteral("PicInterface"));
    setColors(m_picInterface, colors::kSystemWindow, colors::kSystemWindowText);
    m_picInterface->setMouseTracking(true);
    m_picInterface->setAttribute(Qt::WA_NoMousePropagation);
    m_picInterface->installEventFilter(this);

    // Without mouse tracking, moves over the message are dropped rather than passed on to the panel.
    m_lblMessage = new WrappingLabel(m_picInterface);
    m_lblMessage->setObjectName(QStringLiteral("LblMessage"));
    m_lblMessage->setText(QStringLiteral("消息内容"));
    m_lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(m_lblMessage, colors::kSystemWindowText);

    auto* confirm = makeLabel<ClickableLabel>(QStringLiteral(" 确定 "), m_picInterface);
    confirm->setObjectName(QStringLiteral("LblConfirm"));
    confirm->setAlignment(Qt::AlignCenter);
    setColors(confirm, colors::kSystemWindow, colors::kAccent);
    confirm->installEventFilter(this);
    connect(confirm, &ClickableLabel::clicked, this, &FrmMessage::LblConfirm_Click);
    m_lblConfirm = confirm;

    // Drawn over the OK label so the frame shows; the pointer goes through it to the label.
    m_shpConfirm = new QFrame(m_picInterface);
    m_shpConfirm->setObjectName(QStringLiteral("ShpConfirm"));
    m_shpConfirm->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shpConfirm->setLineWidth(1);
    setTextColor(m_shpConfirm, colors::kAccent);
    m_shpConfirm->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Made after the panel, so that Tab reaches " 确定 " first. Presses on the close box and the panel must
    // not reach the window, where they would start a drag.
    auto* close = new ClickableLabel(QString(), this);
    close->setObjectName(QStringLiteral("PicClose"));
    close->setAccessibleName(toQString(texts::kCloseButtonName));
    close->setPixmap(m_menuBar[0]);
    close->setAttribute(Qt::WA_NoMousePropagation);
    close->installEventFilter(this);
    connect(close, &ClickableLabel::clicked, this, &FrmMessage::PicClose_Click);
    m_picClose = close;

    Form_Load();
    placeAtScreenCentre();
    // The window itself holds the focus, so that Enter or Escape typed into another window as it opens does
    // nothing.
    setFocus(Qt::OtherFocusReason);
}

void FrmMessage::setMessage(const std::u16string& message) {
    m_lblMessage->setText(toQString(message));
    nameWindow();
}

void FrmMessage::setTitle(const std::u16string& title) {
    m_lblFormTitle->setText(toQString(title));
    placeTitle();
    nameWindow();
}

void FrmMessage::placeTitle() {
    // As wide as the text; as tall as the face's line, kept in the band.
    placeLabel(m_lblFormTitle, twipsRect(kTitleLeft, kTitleTop, 0, kTitleHeight));
}

void FrmMessage::nameWindow() {
    // The window has no title bar; its name is what task bars, window switchers and screen readers show.
    setWindowTitle(m_lblFormTitle->text() + QStringLiteral("：") + m_lblMessage->text());
}

bool FrmMessage::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == m_picClose) {
            PicClose_MouseMove();
        } else if (watched == m_lblConfirm) {
            LblConfirm_MouseMove();
        } else if (watched == m_picInterface) {
            PicInterface_MouseMove();
        } else {
            break;
        }
        return true;
    case QEvent::MouseButtonPress:
        if (watched == m_lblFormTitle) {
            LblFormTitle_MouseDown(static_cast<const QMouseEvent&>(*event));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMessage::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(*event);
}

void FrmMessage::mouseMoveEvent(QMouseEvent*) {
    Form_MouseMove();
}

void FrmMessage::Form_Load() {
    m_sound.beep();

    m_layout = layOut(pixelsToTwips(width()), pixelsToTwips(height()), frame::kTitleButtonSize, confirmWidth(),
                      kConfirmHeight);
    m_picInterface->setGeometry(pixelRect(m_layout.picInterface));
    m_picClose->setGeometry(pixelRect(m_layout.picClose));
    m_lblMessage->setGeometry(pixelRect(m_layout.lblMessage));
    m_lblConfirm->setGeometry(pixelRect(m_layout.lblConfirm));
    m_shpConfirm->setGeometry(pixelRect(m_layout.lblConfirm));

    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void FrmMessage::Form_MouseDown(const QMouseEvent& event) {
    startWindowDrag(this, event.globalPosition().toPoint());
}

void FrmMessage::Form_MouseMove() {
    m_picClose->setPixmap(m_menuBar[0]);
}

void FrmMessage::LblFormTitle_MouseDown(const QMouseEvent& event) {
    Form_MouseDown(event);
}

void FrmMessage::PicClose_MouseMove() {
    m_picClose->setPixmap(m_menuBar[1]);
}

void FrmMessage::PicClose_Click() {
    close();
}

void FrmMessage::LblConfirm_Click() {
    close();
}

void FrmMessage::LblConfirm_MouseMove() {
    setColors(m_lblConfirm, colors::kHoverBlue, colors::kWhite);
}

void FrmMessage::PicInterface_MouseMove() {
    setColors(m_lblConfirm, colors::kWhite, colors::kHoverBlue);
}

int FrmMessage::confirmWidth() const {
    // The design width fits " 确定 " in the program's face; a wider fallback face widens the label rather
    // than cut its text.
    const int textWidth = m_lblConfirm->fontMetrics().horizontalAdvance(m_lblConfirm->text());
    return std::max(kConfirmWidth, pixelsToTwips(textWidth));
}

void FrmMessage::placeAtScreenCentre() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

} // namespace pennoc
