#include "RankingComposer.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

using namespace tavelin;
using tavelin::testing::catalogueOrderSheet;
using tavelin::testing::catalogueOrderText;

TEST(RankingComposer, WritesTheWholeLine)
{
    EXPECT_EQ(RankingComposer::compose(catalogueOrderSheet()), catalogueOrderText);

    RankingSheet typed = catalogueOrderSheet(u" ");
    typed.picks = {u"a", u"b", u"c", u"", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"水瓶座 "};
    typed.customText = u"ignored";
    EXPECT_EQ(RankingComposer::compose(typed),
              u"【 】第一名：a  第二名：b  第三名：c  第四名：  第五名：e  第六名：f  "
              u"第七名：g  第八名：h  第九名：i  第十名：j  第十一名：k  第十二名：水瓶座 。");
}

TEST(RankingComposer, AppendsTheCustomTextDirectlyAndUnchanged)
{
    EXPECT_EQ(RankingComposer::appendCustomText(u"。", u"abc"), u"。abc");
    EXPECT_EQ(RankingComposer::appendCustomText(u"out", u""), u"out");
    const std::u16string once = RankingComposer::appendCustomText(u"out", u"x\r\ny\n");
    EXPECT_EQ(RankingComposer::appendCustomText(once, u"x\r\ny\n"), u"outx\r\ny\nx\r\ny\n");
}
