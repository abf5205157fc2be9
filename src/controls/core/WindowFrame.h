#pragma once

namespace pennoc::frame {

// Every window of the program draws its own frame, in twips: a title band on top with square buttons at its
// right end, and the content panel inset by a thin edge on the other three sides.
constexpr int kEdge = 15;
constexpr int kPanelTop = 330;
constexpr int kTitleButtonSize = 270;

// The content panel's size in a window of the given inner size; it sits at (kEdge, kPanelTop).
constexpr int panelWidth(int innerWidth) {
    return innerWidth - 2 * kEdge;
}

constexpr int panelHeight(int innerHeight) {
    return innerHeight - kPanelTop - kEdge;
}

} // namespace pennoc::frame
