// The line rules of note files and the editor's line breaks: reading lines drops nothing but line breaks, a
// loaded note is written and read back unchanged, and texts survive the trips between editor and note.
//
// Input: a file's text as UTF-16 code units, low byte first.
#include "FuzzText.h"
#include "Property.h"
#include "app/core/StoredText.h"

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

// The text without its CR LF pairs and lone CRs.
std::u16string withoutLineBreaks(std::u16string_view content) {
    std::u16string kept;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != u'\r') {
            kept += content[i];
        } else if (i + 1 < content.size() && content[i + 1] == u'\n') {
            ++i;
        }
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string content = unitsOf(std::string_view(reinterpret_cast<const char*>(data), size));

    std::u16string joined;
    for (const std::u16string& line : readLines(content)) {
        requireProperty(line.find(u'\r') == std::u16string::npos, "a line holds no carriage return");
        joined += line;
    }
    requireProperty(joined == withoutLineBreaks(content), "reading lines drops nothing but the line breaks");

    const std::u16string note = noteTextFromFile(content);
    requireProperty(noteTextFromFile(fileTextFromNote(note)) == note,
                    "a note read from a file is written and read back unchanged");

    const std::u16string editorText = noteTextToEditor(content);
    requireProperty(editorText.find(u'\r') == std::u16string::npos, "the editor gets no carriage return");
    requireProperty(noteTextToEditor(editorTextToNote(editorText)) == editorText,
                    "an editor text comes back from its note unchanged");
    const std::u16string fromEditor = editorTextToNote(editorText);
    requireProperty(editorTextToNote(noteTextToEditor(fromEditor)) == fromEditor,
                    "a note from the editor comes back from the editor unchanged");
    requireProperty(noteTextFromFile(fileTextFromNote(fromEditor)) == fromEditor,
                    "a note from the editor comes back from its file unchanged");
    return 0;
}
