#pragma once

#include <QPoint>
#include <QString>
#include <string>

namespace pennoc::test {

// Points of the program's windows in pixels from their top-left corners, at the controls' design places:
// the content panel at (1, 22), the pages at (8, 32) inside it, the time panel at (0, 72) in the page, the
// drawer's tab at (0, 200) in the closed drawer, the pop-up's panel at (1, 22).
namespace points {
inline constexpr QPoint kCloseBox{415, 10};
inline constexpr QPoint kTodoTab{93, 38};
inline constexpr QPoint kDrawerTab{21, 270};
inline constexpr QPoint kAddCommand{37, 70};
inline constexpr QPoint kDeleteCommand{101, 70};
inline constexpr QPoint kEditor{209, 254};
inline constexpr QPoint kPopupConfirm{137, 159};
} // namespace points

// Enters a countdown of whole minutes through the shown to-do page and saves it; the pointer is left on "保存".
void enterCountdown(const QString& window, const QString& minutes, const QString& title);
// A digest of what the first three rows of the reminder list show.
std::string listRows(const QString& window);
// Chooses "关机或睡眠" with its first choice, shutting down, as the next saved entry's action.
void chooseShutdown(const QString& window);

} // namespace pennoc::test
