#include "controls/SSwitch.h"

#include "controls/ControlAccessibility.h"
#include "controls/KeyboardPress.h"
#include "controls/OutlineShape.h"
#include "controls/UiLook.h"
#include "controls/core/PropertyBag.h"
#include "controls/core/Twips.h"

#include <QMouseEvent>
#include <algorithm>

namespace pennoc {

namespace {

// The knob's distance from the track's edges, in twips.
constexpr int kKnobMargin = 15;

void fill(QWidget* widget, ColorValue color) {
    setColors(widget, color, color);
}

} // namespace

SSwitch::SSwitch(QWidget* parent)
    : QWidget(parent)
    , m_picture1(new QWidget(this))
    , m_shape1(new OutlineShape(m_picture1))
    , m_picture2(new QWidget(m_picture1)) {
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    // Track, knob and surface all react the same to a click.
    m_picture1->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picture2->setAttribute(Qt::WA_TransparentForMouseEvents);
    pressWithKeys(this, [this] { click(); });
    layOut();
}

template <typename T> void SSwitch::assign(T& field, const T& value, void (SSwitch::*changed)()) {
    field = value;
    DrawSwitch();
    Q_EMIT(this->*changed)();
}

void SSwitch::setBackColorOff(ColorValue color) {
    assign(m_backColorOff, color, &SSwitch::BackColorOffChanged);
}

void SSwitch::setBackColorOn(ColorValue color) {
    assign(m_backColorOn, color, &SSwitch::BackColorOnChanged);
}

void SSwitch::setEnabled(bool enabled) {
    assign(m_enabled, enabled, &SSwitch::EnabledChanged);
}

void SSwitch::setValue(bool value) {
    const bool changed = value != m_value;
    assign(m_value, value, &SSwitch::ValueChanged);
    if (changed) {
        announceChosenState(this);
    }
}

void SSwitch::click() {
    if (!m_enabled) {
        return;
    }
    setValue(!m_value);
    Q_EMIT Click();
}

void SSwitch::ReadProperties(const PropertyBag& bag) {
    m_backColorOff = bag.readColor("BackColorOff", kDefaultBackColorOff);
    m_backColorOn = bag.readColor("BackColorOn", kDefaultBackColorOn);
    m_value = bag.read("Value", false);
    m_enabled = bag.read("Enabled", true);
    DrawSwitch();
}

void SSwitch::WriteProperties(PropertyBag& bag) const {
    bag.writeColor("BackColorOff", m_backColorOff, kDefaultBackColorOff);
    bag.writeColor("BackColorOn", m_backColorOn, kDefaultBackColorOn);
    bag.write("Value", m_value, false);
    bag.write("Enabled", m_enabled, true);
}

void SSwitch::layOut() {
    m_picture1->setGeometry(rect());
    m_shape1->setGeometry(m_picture1->rect());
    const int trackWidth = pixelsToTwips(m_picture1->width());
    const int trackHeight = pixelsToTwips(m_picture1->height());
    // A switch narrower or lower than the margins gets an empty knob rather than a negative one.
    const int knobWidth = std::max(0, trackWidth / 2 - kKnobMargin);
    const int knobHeight = std::max(0, trackHeight - 2 * kKnobMargin);
    m_picture2->setGeometry(twipsRect(kKnobMargin, kKnobMargin, knobWidth, knobHeight));
    DrawSwitch();
}

void SSwitch::DrawSwitch() {
    const ColorValue track = m_value ? m_backColorOn : m_backColorOff;
    // The knob's width as laid out, whole pixels, so that it sits as far from the right end as from the left.
    const int knobLeft =
        m_value ? pixelsToTwips(m_picture1->width()) - kKnobMargin - pixelsToTwips(m_picture2->width()) : kKnobMargin;
    m_picture2->move(twipsToPixels(knobLeft), m_picture2->y());
    fill(m_picture1, track);
    m_shape1->setBorderColor(track);
    fill(m_picture2, colors::kWhite);
}

void SSwitch::mousePressEvent(QMouseEvent* event) {
    m_clicks.press(*event);
}

void SSwitch::mouseReleaseEvent(QMouseEvent* event) {
    if (m_clicks.release(*event, *this)) {
        click();
    }
}

void SSwitch::resizeEvent(QResizeEvent*) {
    layOut();
}

} // namespace pennoc
