#include "controls/LabelLook.h"

#include "controls/ControlAccessibility.h"
#include "controls/UiLook.h"

#include <QWidget>

namespace pennoc {

void lightUp(QWidget* label, ColorValue litBackground) {
    setColors(label, litBackground, colors::kWhite);
}

bool putBackIfLit(QWidget* label, ColorValue litBackground, ColorValue normalText) {
    if (label->palette().color(QPalette::Window) != toQColor(litBackground)) {
        return false;
    }
    setColors(label, colors::kWhite, normalText);
    return true;
}

void showChoice(QWidget* label, bool selected) {
    QFont font = label->font();
    const bool changed = font.underline() != selected;
    font.setUnderline(selected);
    label->setFont(font);
    setTextColor(label, selected ? colors::kAccent : colors::kBlack);
    if (changed) {
        announceChosenState(label);
    }
}

} // namespace pennoc
