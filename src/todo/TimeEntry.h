#pragma once

#include "todo/core/TimeFields.h"

#include <QObject>
#include <array>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace pennoc {

class ClickableLabel;
class PictureBox;
class SButton;

// The time line of the to-do editor and its pop-over time panel: the caption `Label5`, the opener "更改"
// (`Label6`) and the panel `Picture5` with the mode choice `Label7`, the hours and minutes fields `Text3` and
// `Text4` in the time area `Picture6`, the presets `SButton1` in `Picture13` and "应用"/"取消" (`Label8`).
// The panel's only result is the caption, written by apply. The selected mode is the underlined `Label7`
// item, and a field follows the wheel while its dynamic property "Tag" is "1".
class TimeEntry : public QObject {
    Q_OBJECT
public:
    // Builds the elements as children of the to-do page `page`, which also owns this object.
    explicit TimeEntry(QWidget* page);

    std::u16string timeCaption() const;
    // Writes the caption as given; the label widens to fit it and never gets narrower than designed.
    void setTimeCaption(std::u16string_view caption);
    // Closes the panel (the action panel's opener does this).
    void hidePanel();

    QLabel* label5() const { return m_label5; }
    ClickableLabel* label6() const { return m_label6; }
    PictureBox* panel() const { return m_picture5; }
    // The opener and the panel's controls in the order Tab visits them.
    std::vector<QWidget*> tabOrder() const;

    // Opens or closes the panel, raised above the page; asks for the action panel to close; puts the
    // opener's hover colours back.
    void Label6_Click();
    // Selects mode 0 (time of day), 1 (countdown) or 2 (none); the two timed modes start from "00:00".
    void Label7_Click(int index);
    // 1 cancels (both fields "00", caption kept); any other index applies the mode and fields to the caption.
    // Both close the panel.
    void Label8_Click(int index);
    // Writes preset 0 to 5 into the fields (any other index writes nothing), then applies.
    void SButton1_Click(int index);
    // Clamp the field after every change of its text, typed or set here.
    void Text3_Change();
    void Text4_Change();
    // Mark the field as under the pointer and colour it in the accent colour.
    void Text3_MouseMove();
    void Text4_MouseMove();
    // The pointer is over the time area: both marks cleared, both fields black and written as two digits.
    void Picture6_MouseMove();
    // Puts the lit "应用" and "取消" back, in that order.
    void Picture5_MouseMove();
    // Light the label: accent background, white text.
    void Label6_MouseMove();
    void Label8_MouseMove(int index);
    // One wheel notch over the main window (see WheelHook): each marked field one up (toward the user) or
    // down, stopping at 00 and 23 or 59.
    void MainWindowProc(WheelTurn turn);

Q_SIGNALS:
    // `Label6_Click` opened or closed the panel; the action panel must close.
    void panelToggled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTimeLine(QWidget* page);
    void buildPanel(QWidget* page);
    void buildTimeArea();
    void buildPresets();
    QLineEdit* addField(const QString& name, int left);
    TimingMode selectedMode() const;
    void clamp(QLineEdit* field, int maximum);
    void stepByWheel(QLineEdit* field, int maximum, WheelTurn turn);

    QLabel* m_label5 = nullptr;
    ClickableLabel* m_label6 = nullptr;
    PictureBox* m_picture5 = nullptr;
    PictureBox* m_picture6 = nullptr;
    PictureBox* m_picture13 = nullptr;
    std::array<ClickableLabel*, 3> m_label7{};
    std::array<ClickableLabel*, 2> m_label8{};
    std::array<SButton*, 6> m_sButton1{};
    QLineEdit* m_text3 = nullptr;
    QLineEdit* m_text4 = nullptr;
};

} // namespace pennoc
