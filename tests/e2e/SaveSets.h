#pragma once

#include <string>
#include <vector>

namespace pennoc::test {

// Two recognisable sets of notes of different sizes; the i-th note of one is the i-th note of the other
// edited, and every text tells its set and its number.
inline std::vector<std::u16string> saveSet(char16_t tag, int count) {
    std::vector<std::u16string> texts;
    for (int i = 0; i < count; ++i) {
        std::u16string text = u"set ";
        text += tag;
        for (const char digit : std::to_string(i)) {
            text += static_cast<char16_t>(digit);
        }
        text += u" note 记事 " + std::u16string(static_cast<std::size_t>(200 + i % 50), tag);
        texts.push_back(text);
    }
    return texts;
}

// The number a text of either set tells.
inline std::size_t saveSetIndex(const std::u16string& text) {
    std::size_t index = 0;
    for (std::size_t i = 5; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        index = index * 10 + static_cast<std::size_t>(text[i] - u'0');
    }
    return index;
}

inline constexpr int kSetACount = 300;
inline constexpr int kSetBCount = 240;

} // namespace pennoc::test
