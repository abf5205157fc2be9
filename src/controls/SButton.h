#pragma once

#include "controls/core/ColorValue.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;

namespace pennoc {

class OutlineShape;
class PropertyBag;

// The program's flat push button: a coloured surface with a centred caption (`Label1`) and an optional
// outline (`Shape1`), in a normal, a hover and a pressed colour set, plus a fixed disabled look.
//
// Every property write stores the value, repaints at once and then emits the property's change signal, even
// when the value is unchanged. `Enabled` hides QWidget::setEnabled: use it through SButton, so that the
// disabled look follows. Tab reaches the enabled button, and Enter or Space presses it.
class SButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(
        pennoc::ColorValue BackColorClick READ BackColorClick WRITE setBackColorClick NOTIFY BackColorClickChanged)
    Q_PROPERTY(
        pennoc::ColorValue BackColorHover READ BackColorHover WRITE setBackColorHover NOTIFY BackColorHoverChanged)
    Q_PROPERTY(
        pennoc::ColorValue BackColorNormal READ BackColorNormal WRITE setBackColorNormal NOTIFY BackColorNormalChanged)
    Q_PROPERTY(pennoc::ColorValue BorderColorClick READ BorderColorClick WRITE setBorderColorClick NOTIFY
                   BorderColorClickChanged)
    Q_PROPERTY(pennoc::ColorValue BorderColorHover READ BorderColorHover WRITE setBorderColorHover NOTIFY
                   BorderColorHoverChanged)
    Q_PROPERTY(pennoc::ColorValue BorderColorNormal READ BorderColorNormal WRITE setBorderColorNormal NOTIFY
                   BorderColorNormalChanged)
    Q_PROPERTY(
        pennoc::ColorValue ForeColorClick READ ForeColorClick WRITE setForeColorClick NOTIFY ForeColorClickChanged)
    Q_PROPERTY(
        pennoc::ColorValue ForeColorHover READ ForeColorHover WRITE setForeColorHover NOTIFY ForeColorHoverChanged)
    Q_PROPERTY(
        pennoc::ColorValue ForeColorNormal READ ForeColorNormal WRITE setForeColorNormal NOTIFY ForeColorNormalChanged)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFont NOTIFY FontChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)

public:
    static constexpr ColorValue kDefaultBackColorClick = rgbValue(51, 153, 255);
    static constexpr ColorValue kDefaultBackColorHover = rgbValue(102, 204, 255);
    static constexpr ColorValue kDefaultBackColorNormal = rgbValue(51, 204, 255);
    static constexpr ColorValue kDefaultBorderColor = colors::kBlack;
    static constexpr ColorValue kDefaultForeColor = colors::kWhite;
    static constexpr int kBorderShown = 1; // any other BorderStyle hides the outline

    explicit SButton(QWidget* parent = nullptr);

    ColorValue BackColorClick() const { return m_backColorClick; }
    ColorValue BackColorHover() const { return m_backColorHover; }
    ColorValue BackColorNormal() const { return m_backColorNormal; }
    ColorValue BorderColorClick() const { return m_borderColorClick; }
    ColorValue BorderColorHover() const { return m_borderColorHover; }
    ColorValue BorderColorNormal() const { return m_borderColorNormal; }
    ColorValue ForeColorClick() const { return m_foreColorClick; }
    ColorValue ForeColorHover() const { return m_foreColorHover; }
    ColorValue ForeColorNormal() const { return m_foreColorNormal; }
    int BorderStyle() const { return m_borderStyle; }
    QString Caption() const { return m_caption; }
    QFont Font() const { return m_font; }
    bool Enabled() const { return m_enabled; }

    void setBackColorClick(ColorValue color);
    void setBackColorHover(ColorValue color);
    void setBackColorNormal(ColorValue color);
    void setBorderColorClick(ColorValue color);
    void setBorderColorHover(ColorValue color);
    void setBorderColorNormal(ColorValue color);
    void setForeColorClick(ColorValue color);
    void setForeColorHover(ColorValue color);
    void setForeColorNormal(ColorValue color);
    void setBorderStyle(int style);
    void setCaption(const QString& caption);
    void setFont(const QFont& font);
    void setEnabled(bool enabled);

    // The program never calls ReadProperties and WriteProperties; they stay as the control's contract with a
    // host that stores its properties.
    // Loads all thirteen properties (absent keys give the defaults) and repaints, without change signals.
    void ReadProperties(const PropertyBag& bag);
    // Stores the properties that differ from their defaults.
    void WriteProperties(PropertyBag& bag) const;

Q_SIGNALS:
    // The left button went down on the enabled button; emitted before the pressed look is painted.
    void Click();
    // The pointer moved over the enabled button with no button held; once per movement.
    void Hover();
    // Never emitted and never connected by the program; declared for hosts that bind the button's events by
    // position.
    void MouseLeave();

    void BackColorClickChanged();
    void BackColorHoverChanged();
    void BackColorNormalChanged();
    void BorderColorClickChanged();
    void BorderColorHoverChanged();
    void BorderColorNormalChanged();
    void ForeColorClickChanged();
    void ForeColorHoverChanged();
    void ForeColorNormalChanged();
    void BorderStyleChanged();
    void CaptionChanged();
    void FontChanged();
    void EnabledChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum ButtonState { Normal = 0, Hovered = 1, Pressed = 2 };

    template <typename T> void assign(T& field, const T& value, void (SButton::*changed)());
    void UpdateAppearance();
    void centreCaption();
    bool isInside(QPointF position) const;

    QLabel* m_label1 = nullptr;       // the caption
    OutlineShape* m_shape1 = nullptr; // the border
    QLabel* m_label2 = nullptr;       // never shown; supplies the default font

    ColorValue m_backColorClick = kDefaultBackColorClick;
    ColorValue m_backColorHover = kDefaultBackColorHover;
    ColorValue m_backColorNormal = kDefaultBackColorNormal;
    ColorValue m_borderColorClick = kDefaultBorderColor;
    ColorValue m_borderColorHover = kDefaultBorderColor;
    ColorValue m_borderColorNormal = kDefaultBorderColor;
    ColorValue m_foreColorClick = kDefaultForeColor;
    ColorValue m_foreColorHover = kDefaultForeColor;
    ColorValue m_foreColorNormal = kDefaultForeColor;
    int m_borderStyle = 0;
    QString m_caption;
    QFont m_font;
    bool m_enabled = true;
    ButtonState m_buttonState = Normal;
};

} // namespace pennoc
