#include "app/core/StoredText.h"

namespace pennoc {

std::vector<std::u16string> readLines(std::u16string_view content) {
    std::vector<std::u16string> lines;
    std::u16string line;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != u'\r') {
            line += content[i];
            continue;
        }
        lines.push_back(std::move(line));
        line.clear();
        if (i + 1 < content.size() && content[i + 1] == u'\n') {
            ++i;
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

std::u16string noteTextFromFile(std::u16string_view content) {
    // The lines readLines gives, joined by CR LF, in one pass and one allocation: a start reads every note so.
    std::u16string text;
    text.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != u'\r') {
            text += content[i];
            continue;
        }
        text += kLineBreak;
        if (i + 1 < content.size() && content[i + 1] == u'\n') {
            ++i;
        }
    }
    // The break after the last line ends it rather than starting another.
    if (content.ends_with(u'\r') || content.ends_with(kLineBreak)) {
        text.resize(text.size() - kLineBreak.size());
    }
    return text;
}

std::u16string fileTextFromNote(std::u16string_view text) {
    std::u16string content(text);
    content += kLineBreak;
    return content;
}

std::u16string editorTextToNote(std::u16string_view editorText) {
    std::u16string text;
    text.reserve(editorText.size());
    for (const char16_t c : editorText) {
        if (c == u'\n') {
            text += kLineBreak;
        } else {
            text += c;
        }
    }
    return text;
}

std::u16string noteTextToEditor(std::u16string_view noteText) {
    std::u16string text;
    text.reserve(noteText.size());
    for (std::size_t i = 0; i < noteText.size(); ++i) {
        if (noteText[i] == u'\r') {
            text += u'\n';
            if (i + 1 < noteText.size() && noteText[i + 1] == u'\n') {
                ++i;
            }
        } else {
            text += noteText[i];
        }
    }
    return text;
}

bool hasUnpairedSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

} // namespace pennoc
