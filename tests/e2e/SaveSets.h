#pragma once

#include <string>
#include <vector>

namespace pennoc::test {

// Two recognisable sets of notes of different sizes, so a mix of both is told apart from either.
inline std::vector<std::u16string> saveSet(char16_t tag, int count) {
    std::vector<std::u16string> texts;
    for (int i = 0; i < count; ++i) {
        std::u16string text = u"set ";
        text += tag;
        text += u" note 记事 " + std::u16string(static_cast<std::size_t>(200 + i % 50), tag);
        texts.push_back(text);
    }
    return texts;
}

inline constexpr int kSetACount = 300;
inline constexpr int kSetBCount = 240;

} // namespace pennoc::test
