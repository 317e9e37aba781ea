#include "RankingComposer.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

using namespace tavelin;
using tavelin::testing::catalogueOrderSheet;
using tavelin::testing::catalogueOrderText;

TEST(Compose, CatalogueOrderSheetGivesTheFullLine)
{
    EXPECT_EQ(RankingComposer::compose(catalogueOrderSheet()), catalogueOrderText);
}

TEST(Compose, EachPickStandsRightAfterItsOwnLabel)
{
    RankingSheet sheet = catalogueOrderSheet(u"T");
    sheet.picks = {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"l"};
    EXPECT_EQ(RankingComposer::compose(sheet),
              u"【T】第一名：a  第二名：b  第三名：c  第四名：d  第五名：e  第六名：f  "
              u"第七名：g  第八名：h  第九名：i  第十名：j  第十一名：k  第十二名：l。");
}

TEST(Compose, TitleOfOneSpaceIsKept)
{
    EXPECT_EQ(RankingComposer::compose(catalogueOrderSheet(u" ")).substr(0, 3), u"【 】");
}

TEST(Compose, UnusualTextsPassThroughUnchanged)
{
    RankingSheet sheet = catalogueOrderSheet(std::u16string(u"\0\r\n", 3));
    sheet.pick(1) = std::u16string(1, char16_t(0xDBFF));
    sheet.pick(12) = u"";
    const std::u16string text = RankingComposer::compose(sheet);
    EXPECT_EQ(text.substr(0, 10), std::u16string(u"【\0\r\n】第一名：\xDBFF", 10));
    EXPECT_EQ(text.substr(text.size() - 8), u"  第十二名：。");
}

TEST(Compose, IgnoresTheCustomText)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.customText = u"abc";
    EXPECT_EQ(RankingComposer::compose(sheet), catalogueOrderText);
}

TEST(AppendCustomText, FollowsDirectlyWithNoSeparator)
{
    const std::u16string composed = RankingComposer::compose(catalogueOrderSheet());
    EXPECT_EQ(RankingComposer::appendCustomText(composed, u"abc"), std::u16string(catalogueOrderText) + u"abc");
}

TEST(AppendCustomText, EmptyAddsNothing)
{
    EXPECT_EQ(RankingComposer::appendCustomText(u"out", u""), u"out");
}

TEST(AppendCustomText, KeepsLineBreaksAndRepeatsWhenAppendedTwice)
{
    const std::u16string once = RankingComposer::appendCustomText(u"out", u"x\r\ny\n");
    EXPECT_EQ(once,
              u"out"
              u"x\r\ny\n");
    EXPECT_EQ(RankingComposer::appendCustomText(once, u"x\r\ny\n"),
              u"out"
              u"x\r\ny\n"
              u"x\r\ny\n");
}
