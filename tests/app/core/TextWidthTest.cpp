#include "app/core/TextWidth.h"

#include "support/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TEST(TextWidth, CountsCodePage936DoubleBytesAsTwoCells) {
    EXPECT_EQ(GetTextLength(u"abc"), 3);
    EXPECT_EQ(GetTextLength(u"记事"), 4);
    EXPECT_EQ(GetTextLength(u"ab记事"), 6);
    EXPECT_EQ(GetTextLength(u"（）！，"), 8); // full-width signs
    EXPECT_EQ(GetTextLength(u""), 0);
    // Characters the code page lacks count one cell per UTF-16 unit.
    EXPECT_EQ(GetTextLength(u"ő"), 1);
    EXPECT_EQ(GetTextLength(u"é"), 2); // pinyin letters are in the code page
    EXPECT_EQ(GetTextLength(u"😀"), 2);
    EXPECT_EQ(GetTextLength(u"\r\n"), 2);
}

TEST(TextWidth, CutsWithoutSplittingATwoCellCharacter) {
    EXPECT_EQ(cutTextToWidth(u"ab记事", 3), u"ab");
    EXPECT_EQ(cutTextToWidth(u"ab记事", 4), u"ab记");
    EXPECT_EQ(cutTextToWidth(u"ab记事", 6), u"ab记事");
    EXPECT_EQ(cutTextToWidth(u"ab记事", 7), u"ab记事");
    EXPECT_EQ(cutTextToWidth(u"abcdef", 1), u"a");
    EXPECT_EQ(cutTextToWidth(u"记", 1), u"");
    // Only a pair is kept whole; a lone first half takes its cell like any other unit.
    EXPECT_EQ(cutTextToWidth(u"a\xD83D\xDE00", 2), u"a");
    EXPECT_EQ(cutTextToWidth(u"a\xD83Dz", 2), u"a\xD83D");
}

TEST(TextWidth, LengthBelowOneShowsTheArgumentMessage) {
    test::CallLog log;
    test::RecordingDialogs dialogs(log);
    EXPECT_EQ(SetTextLengthFromLeft(dialogs, u"abc", 0), u"");
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_EQ(log.calls[0], "error Pennoc便笺|SetTextLengthFromLeft的Length不能小于1！");
    EXPECT_EQ(SetTextLengthFromLeft(dialogs, u"abc", 2), u"ab");
    EXPECT_EQ(log.calls.size(), 1u);
}

} // namespace
} // namespace pennoc
