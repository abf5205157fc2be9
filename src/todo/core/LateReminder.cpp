#include "todo/core/LateReminder.h"

#include "controls/core/AppTexts.h"
#include "todo/core/TaskAction.h"
#include "todo/core/TimeFields.h"

namespace pennoc {

namespace {

// `text` with its "%1" replaced by the time of day "hh:mm" of `dueAt`.
std::u16string withDueTime(std::u16string_view text, Clocks::WallTime dueAt) {
    const std::chrono::hh_mm_ss time(dueAt - std::chrono::floor<std::chrono::days>(dueAt));
    const std::u16string hoursAndMinutes = formatField(static_cast<double>(time.hours().count())) + u":" +
                                           formatField(static_cast<double>(time.minutes().count()));
    std::u16string filled(text);
    const std::size_t slot = filled.find(u"%1");
    return filled.replace(slot, 2, hoursAndMinutes);
}

} // namespace

std::u16string lateAction(std::u16string_view stored, std::u16string_view title, Clocks::WallTime dueAt) {
    const TaskAction action = TaskAction::read(stored);
    if (action.isPowerAction()) {
        const std::u16string message =
            std::u16string(title) + u"\n" + withDueTime(texts::kPowerActionSkippedLate, dueAt);
        return TaskAction{TaskAction::Type::Popup, message}.stored();
    }
    if (action.type == TaskAction::Type::Popup) {
        return TaskAction{TaskAction::Type::Popup,
                          action.payload + u"\n" + withDueTime(texts::kReminderCameLate, dueAt)}
            .stored();
    }
    return std::u16string(stored);
}

} // namespace pennoc
