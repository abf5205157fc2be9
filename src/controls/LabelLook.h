#pragma once

#include "controls/core/ColorValue.h"

class QWidget;

namespace pennoc {

// Labels that act as flat buttons light up under the pointer: the lit background and white text.
void lightUp(QWidget* label, ColorValue litBackground);

// Puts a lit label back (white background, its normal text colour) and returns true; a label that is not
// lit is left untouched, so a move over a background with nothing lit repaints nothing.
bool putBackIfLit(QWidget* label, ColorValue litBackground, ColorValue normalText);

// A choice of a group: the selected one underlined in the accent colour, the others plain black.
void showChoice(QWidget* label, bool selected);

} // namespace pennoc
