#include "app/core/NoteTitles.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

const std::u16string k24 = u"abcdefghijklmnopqrstuvwx";

TEST(NoteTitles, AtLoadBlankTextsGetThePlaceholderAndLongOnesAreCutWithoutMark) {
    EXPECT_EQ(titleAtLoad(u""), u"#无内容#");
    EXPECT_EQ(titleAtLoad(u"    "), u"#无内容#");
    EXPECT_EQ(titleAtLoad(u" a "), u" a ");
    EXPECT_EQ(titleAtLoad(k24 + u"yz"), k24);
    // The 24th cell would be the first half of 记.
    EXPECT_EQ(titleAtLoad(u"abcdefghijklmnopqrstuvw记"), u"abcdefghijklmnopqrstuvw");
    EXPECT_EQ(titleAtLoad(u"a\r\nb"), u"a\r\nb");
    // The 24th cell would be the first half of a surrogate pair.
    EXPECT_EQ(titleAtLoad(u"abcdefghijklmnopqrstuvw😀"), u"abcdefghijklmnopqrstuvw");
    EXPECT_EQ(titleWhenDrawerOpens(u"abcdefghijklmnopqrstuvw😀"), u"abcdefghijklmnopqrstuvw...");
}

TEST(NoteTitles, WhenTheDrawerOpensLongTextsGetAnEllipsis) {
    EXPECT_EQ(titleWhenDrawerOpens(k24), k24);
    EXPECT_EQ(titleWhenDrawerOpens(k24 + u"y"), k24 + u"...");
    EXPECT_EQ(titleWhenDrawerOpens(u"abcdefghijklmnopqrstuvw记"), u"abcdefghijklmnopqrstuvw...");
    EXPECT_EQ(titleWhenDrawerOpens(u""), u"#无内容#");
    EXPECT_EQ(titleWhenDrawerOpens(u"   "), u"   ");
}

} // namespace
} // namespace pennoc
