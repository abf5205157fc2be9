#include "app/core/StoredText.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

using Lines = std::vector<std::u16string>;

TEST(StoredText, LinesEndAtCrLfOrLoneCrButNotAtLoneLf) {
    EXPECT_EQ(readLines(u""), Lines{});
    EXPECT_EQ(readLines(u"a\r\n"), Lines{u"a"});
    EXPECT_EQ(readLines(u"a\r\nb"), (Lines{u"a", u"b"}));
    EXPECT_EQ(readLines(u"a\rb\r"), (Lines{u"a", u"b"}));
    EXPECT_EQ(readLines(u"a\nb\r\n"), Lines{u"a\nb"});
    EXPECT_EQ(readLines(u"\r\n\r\n"), (Lines{u"", u""}));
    EXPECT_EQ(readLines(u"a\r\r\n"), (Lines{u"a", u""}));
}

TEST(StoredText, NotesSurviveTheirFileExactly) {
    for (const std::u16string note : {u"", u"a\r\nb\r\nc", u"a\r\n", u"a\r\n\r\n", u"   ", u"a\nb", u"记事\r\n本"}) {
        EXPECT_EQ(noteTextFromFile(fileTextFromNote(note)), note);
    }
    EXPECT_EQ(fileTextFromNote(u"a\r\nb\r\nc"), u"a\r\nb\r\nc\r\n");
    // A foreign file's lone CR becomes a stored line break; a lone LF stays.
    EXPECT_EQ(noteTextFromFile(u"a\rb\nc"), u"a\r\nb\nc");
    EXPECT_EQ(noteTextFromFile(u"no break at end"), u"no break at end");
    // A note is its file's lines, joined by CR LF.
    for (const std::u16string file : {u"", u"\r", u"\r\n\r\n", u"a\r\r\n", u"a\rb\r", u"a\nb\r\n", u"a\n", u"\n\r"}) {
        const Lines lines = readLines(file);
        std::u16string joined;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            joined += (i > 0 ? u"\r\n" : u"") + lines[i];
        }
        EXPECT_EQ(noteTextFromFile(file), joined);
    }
}

TEST(StoredText, EditorLinesBecomeCrLfAndBack) {
    EXPECT_EQ(editorTextToNote(u"a\nb"), u"a\r\nb");
    EXPECT_EQ(editorTextToNote(u"a\n\n"), u"a\r\n\r\n");
    EXPECT_EQ(noteTextToEditor(u"a\r\nb\r\n"), u"a\nb\n");
    EXPECT_EQ(noteTextToEditor(u"a\nb"), u"a\nb");
    EXPECT_EQ(editorTextToNote(noteTextToEditor(u"x\r\ny")), u"x\r\ny");
}

} // namespace
} // namespace pennoc
