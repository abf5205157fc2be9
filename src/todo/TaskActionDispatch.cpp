#include "todo/TaskActionDispatch.h"

#include "todo/TaskAction.h"
#include "todo/TaskActionTarget.h"

namespace pennoc {

bool dispatchTaskAction(std::u16string_view action, const std::function<void()>& beforeAction,
                        TaskActionTarget& target) {
    const TaskAction task = TaskAction::read(action);
    beforeAction();
    switch (task.type) {
    case TaskAction::Type::Popup:
        target.showPopup(task.payload, std::u16string(kReminderPopupTitle));
        return true;
    case TaskAction::Type::PlaySound:
        target.playSoundFile(task.payload);
        break;
    case TaskAction::Type::HiddenCommand:
        target.startHiddenCommand(task.payload);
        break;
    case TaskAction::Type::OpenWithSystem:
        target.openWithSystem(task.payload);
        break;
    case TaskAction::Type::None:
        break;
    }
    return false;
}

} // namespace pennoc
