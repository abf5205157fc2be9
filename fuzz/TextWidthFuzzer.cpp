// Text width and note titles: a cut text is the longest leading part that fits, never wider than asked and
// never ending in half of a surrogate pair; titles follow from it.
//
// Input: the text as UTF-16 code units, low byte first, then one byte for the width (1 + byte % 64).
#include "FuzzText.h"
#include "Property.h"
#include "app/core/NoteTitles.h"
#include "app/core/TextWidth.h"
#include "controls/core/AppTexts.h"

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

constexpr std::u16string_view kEllipsis = u"...";

void checkCut(std::u16string_view text, std::u16string_view cut, int width) {
    requireProperty(text.starts_with(cut), "a cut text is a leading part of the text");
    requireProperty(GetTextLength(cut) <= width, "a cut text is never wider than asked");
    if (cut.size() == text.size()) {
        return;
    }
    const bool pairFollows =
        cut.size() + 1 < text.size() && isHighSurrogate(text[cut.size()]) && isLowSurrogate(text[cut.size() + 1]);
    requireProperty(cut.empty() || !(isHighSurrogate(cut.back()) && isLowSurrogate(text[cut.size()])),
                    "a cut text never ends in half of a surrogate pair");
    const std::u16string_view next = text.substr(cut.size(), pairFollows ? 2 : 1);
    requireProperty(GetTextLength(cut) + GetTextLength(next) > width, "a cut text leaves out only what does not fit");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(1, 64);
    const std::u16string text = consumeRemainingText(input);

    checkCut(text, cutTextToWidth(text, width), width);

    const std::u16string atLoad = titleAtLoad(text);
    if (text.find_first_not_of(u' ') == std::u16string::npos) {
        requireProperty(atLoad == texts::kEmptyNoteTitle, "a blank note is listed by the placeholder at load");
    } else {
        checkCut(text, atLoad, kTitleWidth);
    }

    const std::u16string whenOpen = titleWhenDrawerOpens(text);
    if (text.empty()) {
        requireProperty(whenOpen == texts::kEmptyNoteTitle, "an empty note is listed by the placeholder");
    } else if (GetTextLength(text) <= kTitleWidth) {
        requireProperty(whenOpen == text, "a note that fits is its own title");
    } else {
        requireProperty(std::u16string_view(whenOpen).ends_with(kEllipsis), "a cut title ends in an ellipsis");
        checkCut(text, std::u16string_view(whenOpen).substr(0, whenOpen.size() - kEllipsis.size()), kTitleWidth);
    }
    return 0;
}
