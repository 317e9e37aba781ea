#include "RankingComposer.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

using namespace tavelin;

// Typed picks and unusual texts are left to the property test.
TEST(RankingComposer, WritesTheWholeLineAndAppendsTheCustomTextDirectly)
{
    EXPECT_EQ(RankingComposer::compose(tavelin::testing::catalogueOrderSheet()), tavelin::testing::catalogueOrderText);
    EXPECT_EQ(RankingComposer::appendCustomText(u"。", u"a\r\nb"), u"。a\r\nb");
    EXPECT_EQ(RankingComposer::appendCustomText(u"。", u""), u"。");
}
