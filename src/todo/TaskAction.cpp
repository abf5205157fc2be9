#include "todo/TaskAction.h"

namespace pennoc {

TaskAction TaskAction::read(std::u16string_view action) {
    if (action.empty()) {
        return {};
    }
    const char16_t first = action.front();
    Type type = Type::Popup;
    if (first >= u'0' && first <= u'3') {
        type = static_cast<Type>(first - u'0');
    } else if (first >= u'4' && first <= u'9') {
        type = Type::None;
    }
    return {type, std::u16string(action.substr(1))};
}

} // namespace pennoc
