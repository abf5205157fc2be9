#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pennoc {

// Line breaks in stored texts and in the text files are carriage return + line feed.
inline constexpr std::u16string_view kLineBreak = u"\r\n";

// The lines of a file's text: a line ends at CR LF or at a lone CR; a lone LF stays part of its line.
// A final line break does not start another line, so "a\r\n" is one line and "" none.
std::vector<std::u16string> readLines(std::u16string_view content);

// The note that a file holds: its lines joined by line breaks (the break written after the last line is
// not part of the note).
std::u16string noteTextFromFile(std::u16string_view content);

// What a note's file holds: the text and one line break.
std::u16string fileTextFromNote(std::u16string_view text);

// Half of a surrogate pair without its other half: no encoding can hold it.
bool hasUnpairedSurrogate(std::u16string_view text);

// The editor separates lines with LF; notes hold CR LF.
std::u16string editorTextToNote(std::u16string_view editorText);
std::u16string noteTextToEditor(std::u16string_view noteText);

} // namespace pennoc
