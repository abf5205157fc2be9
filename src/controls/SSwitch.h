#pragma once

#include "controls/ClickTracker.h"
#include "controls/core/ColorValue.h"

#include <QWidget>

namespace pennoc {

class OutlineShape;
class PropertyBag;

// The program's on/off switch: a track (`Picture1`) outlined in its own colour (`Shape1`), with a white knob
// (`Picture2`) at the left end when off and at the right end when on. The knob keeps 15 twips from the
// track's edges and is half the track wide less 15 twips.
//
// Every property write stores the value, redraws at once and then emits the property's change signal, even
// when the value is unchanged. `Enabled` only decides whether a user click toggles the switch; the look stays
// the same. It hides QWidget::setEnabled, which is never applied to the switch. Tab reaches it, and Enter or
// Space clicks it.
class SSwitch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(pennoc::ColorValue BackColorOff READ BackColorOff WRITE setBackColorOff NOTIFY BackColorOffChanged)
    Q_PROPERTY(pennoc::ColorValue BackColorOn READ BackColorOn WRITE setBackColorOn NOTIFY BackColorOnChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(bool Value READ Value WRITE setValue NOTIFY ValueChanged)

public:
    static constexpr ColorValue kDefaultBackColorOff = rgbValue(225, 225, 225);
    static constexpr ColorValue kDefaultBackColorOn = rgbValue(51, 204, 255);

    explicit SSwitch(QWidget* parent = nullptr);

    ColorValue BackColorOff() const { return m_backColorOff; }
    ColorValue BackColorOn() const { return m_backColorOn; }
    bool Enabled() const { return m_enabled; }
    bool Value() const { return m_value; }

    void setBackColorOff(ColorValue color);
    void setBackColorOn(ColorValue color);
    void setEnabled(bool enabled);
    // Moves the knob without emitting Click.
    void setValue(bool value);
    // What a user click does: toggles the enabled switch, then emits Click.
    void click();

    // The program never calls ReadProperties and WriteProperties; they stay as the control's contract with a
    // host that stores its properties.
    // Loads the four properties (absent keys give the defaults) and redraws, without change signals.
    void ReadProperties(const PropertyBag& bag);
    // Stores the properties that differ from their defaults.
    void WriteProperties(PropertyBag& bag) const;

Q_SIGNALS:
    // A user click toggled the enabled switch; emitted after the new Value is drawn and ValueChanged emitted.
    void Click();

    void BackColorOffChanged();
    void BackColorOnChanged();
    void EnabledChanged();
    void ValueChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <typename T> void assign(T& field, const T& value, void (SSwitch::*changed)());
    void layOut();
    void DrawSwitch();

    QWidget* m_picture1 = nullptr;    // the track
    OutlineShape* m_shape1 = nullptr; // the track's outline
    QWidget* m_picture2 = nullptr;    // the knob

    ColorValue m_backColorOff = kDefaultBackColorOff;
    ColorValue m_backColorOn = kDefaultBackColorOn;
    bool m_enabled = true;
    bool m_value = false;
    ClickTracker m_clicks;
};

} // namespace pennoc
