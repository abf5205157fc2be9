#include "app/core/NoteTitles.h"

#include "app/core/TextWidth.h"
#include "controls/core/AppTexts.h"

namespace pennoc {

std::u16string titleAtLoad(std::u16string_view text) {
    if (text.find_first_not_of(u' ') == std::u16string_view::npos) {
        return std::u16string(texts::kEmptyNoteTitle);
    }
    return cutTextToWidth(text, kTitleWidth);
}

std::u16string titleWhenDrawerOpens(std::u16string_view text) {
    if (text.empty()) {
        return std::u16string(texts::kEmptyNoteTitle);
    }
    if (GetTextLength(text) <= kTitleWidth) {
        return std::u16string(text);
    }
    return cutTextToWidth(text, kTitleWidth) + u"...";
}

} // namespace pennoc
