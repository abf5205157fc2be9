#include "controls/SButton.h"

#include "controls/KeyboardPress.h"
#include "controls/OutlineShape.h"
#include "controls/QtFontDescription.h"
#include "controls/QtText.h"
#include "controls/UiLook.h"
#include "controls/core/PropertyBag.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <string>

namespace pennoc {

namespace {

const std::u16string kDefaultCaption = u"SButton";

struct Look {
    ColorValue back;
    ColorValue border;
    ColorValue fore;
};

constexpr Look kDisabledLook{colors::kSystemButtonFace, colors::kSystemDarkShadow, colors::kSystemGrayText};

} // namespace

SButton::SButton(QWidget* parent)
    : QWidget(parent)
    , m_label1(new QLabel(this))
    , m_shape1(new OutlineShape(this))
    , m_label2(new QLabel(this))
    , m_caption(toQString(kDefaultCaption)) {
    // Hover needs moves with no button held.
    setMouseTracking(true);
    m_label1->setObjectName(QStringLiteral("Label1"));
    // The caption lies on the surface and reacts like it; passing its input through keeps one set of handlers.
    m_label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label1->setAutoFillBackground(false);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(uiFont(12));
    m_label2->hide();
    m_font = m_label2->font();
    // A disabled button takes no focus, so a key never presses it.
    pressWithKeys(this, [this] { Q_EMIT Click(); });
    UpdateAppearance();
}

template <typename T> void SButton::assign(T& field, const T& value, void (SButton::*changed)()) {
    field = value;
    UpdateAppearance();
    Q_EMIT(this->*changed)();
}

void SButton::setBackColorClick(ColorValue color) {
    assign(m_backColorClick, color, &SButton::BackColorClickChanged);
}

void SButton::setBackColorHover(ColorValue color) {
    assign(m_backColorHover, color, &SButton::BackColorHoverChanged);
}

void SButton::setBackColorNormal(ColorValue color) {
    assign(m_backColorNormal, color, &SButton::BackColorNormalChanged);
}

void SButton::setBorderColorClick(ColorValue color) {
    assign(m_borderColorClick, color, &SButton::BorderColorClickChanged);
}

void SButton::setBorderColorHover(ColorValue color) {
    assign(m_borderColorHover, color, &SButton::BorderColorHoverChanged);
}

void SButton::setBorderColorNormal(ColorValue color) {
    assign(m_borderColorNormal, color, &SButton::BorderColorNormalChanged);
}

void SButton::setForeColorClick(ColorValue color) {
    assign(m_foreColorClick, color, &SButton::ForeColorClickChanged);
}

void SButton::setForeColorHover(ColorValue color) {
    assign(m_foreColorHover, color, &SButton::ForeColorHoverChanged);
}

void SButton::setForeColorNormal(ColorValue color) {
    assign(m_foreColorNormal, color, &SButton::ForeColorNormalChanged);
}

void SButton::setBorderStyle(int style) {
    assign(m_borderStyle, style, &SButton::BorderStyleChanged);
}

void SButton::setCaption(const QString& caption) {
    assign(m_caption, caption, &SButton::CaptionChanged);
}

void SButton::setFont(const QFont& font) {
    assign(m_font, font, &SButton::FontChanged);
}

void SButton::setEnabled(bool enabled) {
    assign(m_enabled, enabled, &SButton::EnabledChanged);
}

void SButton::ReadProperties(const PropertyBag& bag) {
    m_backColorClick = bag.readColor("BackColorClick", kDefaultBackColorClick);
    m_backColorHover = bag.readColor("BackColorHover", kDefaultBackColorHover);
    m_backColorNormal = bag.readColor("BackColorNormal", kDefaultBackColorNormal);
    m_borderColorClick = bag.readColor("BorderColorClick", kDefaultBorderColor);
    m_borderColorHover = bag.readColor("BorderColorHover", kDefaultBorderColor);
    m_borderColorNormal = bag.readColor("BorderColorNormal", kDefaultBorderColor);
    m_borderStyle = bag.read<std::int32_t>("BorderStyle", 0);
    m_caption = toQString(bag.read("Caption", kDefaultCaption));
    m_enabled = bag.read("Enabled", true);
    m_font = toQFont(bag.read("Font", describeFont(m_label2->font())));
    m_foreColorClick = bag.readColor("ForeColorClick", kDefaultForeColor);
    m_foreColorHover = bag.readColor("ForeColorHover", kDefaultForeColor);
    m_foreColorNormal = bag.readColor("ForeColorNormal", kDefaultForeColor);
    UpdateAppearance();
}

void SButton::WriteProperties(PropertyBag& bag) const {
    bag.writeColor("BackColorClick", m_backColorClick, kDefaultBackColorClick);
    bag.writeColor("BackColorHover", m_backColorHover, kDefaultBackColorHover);
    bag.writeColor("BackColorNormal", m_backColorNormal, kDefaultBackColorNormal);
    bag.writeColor("BorderColorClick", m_borderColorClick, kDefaultBorderColor);
    bag.writeColor("BorderColorHover", m_borderColorHover, kDefaultBorderColor);
    bag.writeColor("BorderColorNormal", m_borderColorNormal, kDefaultBorderColor);
    bag.write<std::int32_t>("BorderStyle", m_borderStyle, 0);
    bag.write("Caption", m_caption.toStdU16String(), kDefaultCaption);
    bag.write("Enabled", m_enabled, true);
    bag.write("Font", describeFont(m_font), describeFont(m_label2->font()));
    bag.writeColor("ForeColorClick", m_foreColorClick, kDefaultForeColor);
    bag.writeColor("ForeColorHover", m_foreColorHover, kDefaultForeColor);
    bag.writeColor("ForeColorNormal", m_foreColorNormal, kDefaultForeColor);
}

void SButton::UpdateAppearance() {
    Look look = m_buttonState == Pressed   ? Look{m_backColorClick, m_borderColorClick, m_foreColorClick}
                : m_buttonState == Hovered ? Look{m_backColorHover, m_borderColorHover, m_foreColorHover}
                                           : Look{m_backColorNormal, m_borderColorNormal, m_foreColorNormal};
    m_shape1->setVisible(m_borderStyle == kBorderShown);
    m_label1->setFont(m_font);
    m_label1->setText(m_caption);
    m_label1->adjustSize();
    QWidget::setEnabled(m_enabled);
    if (!m_enabled) {
        look = kDisabledLook;
    }
    centreCaption();
    setColors(this, look.back, look.fore);
    setTextColor(m_label1, look.fore);
    m_shape1->setBorderColor(look.border);
    m_shape1->setGeometry(rect());
}

void SButton::centreCaption() {
    m_label1->move(width() / 2 - m_label1->width() / 2, height() / 2 - m_label1->height() / 2);
}

bool SButton::isInside(QPointF position) const {
    return position.x() >= 0 && position.x() <= width() && position.y() >= 0 && position.y() <= height();
}

// A disabled button gets no pointer input at all: UpdateAppearance disables the widget.
void SButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The handler may hide the button or its panel; it runs while the button still shows its previous look.
    const QPointer<SButton> alive(this);
    Q_EMIT Click();
    if (!alive) {
        return;
    }
    m_buttonState = Pressed;
    UpdateAppearance();
}

void SButton::mouseReleaseEvent(QMouseEvent* event) {
    // Released after dragging off: the pointer is elsewhere, so a hover look would stay lit with it away.
    m_buttonState = isInside(event->position()) ? Hovered : Normal;
    UpdateAppearance();
}

void SButton::mouseMoveEvent(QMouseEvent* event) {
    // While a button is held the press delivers every move here, also those beyond the edge.
    if (!isInside(event->position())) {
        m_buttonState = Normal;
        UpdateAppearance();
        return;
    }
    if (event->buttons() != Qt::NoButton) {
        return;
    }
    if (m_buttonState == Normal) {
        m_buttonState = Hovered;
        UpdateAppearance();
    }
    Q_EMIT Hover();
}

// The pointer leaving by any road (a move, a window opening above, the panel hiding) ends the hover. Holding
// the pointer to see it go would keep every other window, a modal one included, from getting the mouse.
void SButton::leaveEvent(QEvent*) {
    if (m_buttonState != Normal) {
        m_buttonState = Normal;
        UpdateAppearance();
    }
}

void SButton::resizeEvent(QResizeEvent*) {
    UpdateAppearance();
}

void SButton::showEvent(QShowEvent*) {
    // Hidden while hovered or pressed (a Click handler closing its panel), it comes back in the normal look.
    if (m_buttonState != Normal) {
        m_buttonState = Normal;
        UpdateAppearance();
    }
}

} // namespace pennoc
