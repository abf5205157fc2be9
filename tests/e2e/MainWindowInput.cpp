#include "e2e/MainWindowInput.h"

#include "e2e/DesktopInput.h"
#include "e2e/ProgramProcess.h"

namespace pennoc::test {

void enterCountdown(const QString& window, const QString& minutes, const QString& title) {
    clickAt(window, {161, 141}); // "更改" of the time line
    clickAt(window, {233, 142}); // "以倒计时方式计时"
    clickAt(window, {310, 244}); // the minutes field
    typeInto(window, minutes);
    clickAt(window, {325, 478}); // "应用"
    clickAt(window, {177, 82});  // the title box
    typeInto(window, title);
    const std::string before = listRows(window);
    clickAt(window, {381, 422}); // "保存"
    // A button acts on its release, which comes after the press the input waited for: the entry is saved
    // once the list shows it.
    waitFor([&] { return listRows(window) != before; }, 10000);
}

std::string listRows(const QString& window) {
    return screenRegion(windowPosition(window) + QPoint(13, 166), QSize(340, 72));
}

void chooseShutdown(const QString& window) {
    clickAt(window, {353, 141}); // "更改" of the action line
    clickAt(window, {243, 142}); // "关机或睡眠"
    clickAt(window, {325, 478}); // "应用"
}

} // namespace pennoc::test
