#include "MainFormHandlers.h"
#include "FakeForm.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::ui;
using tavelin::testing::catalogueOrderSheet;
using tavelin::testing::catalogueOrderText;
using tavelin::testing::FakeForm;

namespace {

const std::vector<std::u16string> twelveSigns = {u"水瓶座", u"双鱼座", u"白羊座", u"金牛座", u"双子座", u"巨蟹座",
                                                 u"狮子座", u"处女座", u"天秤座", u"天蝎座", u"射手座", u"摩羯座"};

const std::u16string combos[] = {u"Combo1", u"Combo2", u"Combo3", u"Combo4",  u"Combo5",  u"Combo6",
                                 u"Combo7", u"Combo8", u"Combo9", u"Combo10", u"Combo11", u"Combo12"};

class Handlers : public ::testing::Test
{
protected:
    void SetUp() override { Form_Load(form); }

    void enter(const RankingSheet &sheet)
    {
        form.setText(u"Text1", sheet.title);
        for (int rank = 1; rank <= 12; ++rank)
            form.setText(combos[rank - 1], sheet.pick(rank));
        form.setText(u"Text3", sheet.customText);
    }

    void expectStartState()
    {
        for (const auto &combo : combos) {
            EXPECT_EQ(form.text(combo), u"-请选择-");
            EXPECT_EQ(form.entries[combo], twelveSigns);
        }
    }

    FakeForm form;
};

} // namespace

TEST_F(Handlers, LoadShowsThePlaceholderAndFillsEveryList)
{
    expectStartState();
    EXPECT_EQ(form.text(u"Text1"), u"");
    EXPECT_EQ(form.text(u"Text2"), u"");
    EXPECT_EQ(form.text(u"Text3"), u"");
    EXPECT_TRUE(form.messages.empty());
}

TEST_F(Handlers, GenerateShowsTheFirstProblem)
{
    bt1_Click(form);
    form.setText(u"Text1", u"榜");
    bt1_Click(form);
    form.setText(u"Combo1", u"水瓶座");
    form.setText(u"Combo7", u"白羊座");
    bt1_Click(form);
    enter(catalogueOrderSheet());
    form.setText(u"Combo10", u"双鱼座");
    bt1_Click(form);

    EXPECT_EQ(form.messages,
              (std::vector<std::u16string> {u"请填写排行榜标题！", u"请选择排名第一的星座！", u"请选择排名第二的星座！",
                                            u"排名第二的星座与其他排名有重复！"}));
    EXPECT_EQ(form.text(u"Text2"), u"");
}

TEST_F(Handlers, GenerateWritesTheRankingText)
{
    form.setText(u"Text2", u"old output");
    enter(catalogueOrderSheet());
    bt1_Click(form);
    EXPECT_TRUE(form.messages.empty());
    EXPECT_EQ(form.text(u"Text2"), catalogueOrderText);
}

TEST_F(Handlers, GenerateAppendsTheCustomTextOnceOnEveryClick)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.customText = u"abc\r\n第二行";
    enter(sheet);
    bt1_Click(form);
    bt1_Click(form);
    EXPECT_EQ(form.text(u"Text2"), std::u16string(catalogueOrderText) + u"abc\r\n第二行");
}

TEST_F(Handlers, GenerateLeavesTheEntriesAsTheyWere)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.customText = u"c";
    enter(sheet);
    const auto before = form.texts;
    bt1_Click(form);
    form.texts.erase(u"Text2");
    auto expected = before;
    expected.erase(u"Text2");
    EXPECT_EQ(form.texts, expected);
}

TEST_F(Handlers, FailedCheckLeavesTheOutputUntouched)
{
    form.setText(u"Text3", u"abc");
    bt1_Click(form);
    bt1_Click(form);
    EXPECT_EQ(form.text(u"Text2"), u"") << "custom text must not appear without a ranking";

    RankingSheet sheet = catalogueOrderSheet();
    sheet.customText = u"abc";
    enter(sheet);
    bt1_Click(form);
    form.setText(u"Combo12", u"-请选择-");
    bt1_Click(form);
    bt1_Click(form);
    EXPECT_EQ(form.text(u"Text2"), std::u16string(catalogueOrderText) + u"abc");
    EXPECT_EQ(form.messages.back(), u"请选择排名第十二的星座！");
}

TEST_F(Handlers, TypedSelectorTextIsUsedAsTyped)
{
    RankingSheet sheet = catalogueOrderSheet(u"T");
    sheet.pick(1) = u"白";
    sheet.pick(2) = u"";
    sheet.pick(3) = u"水瓶座 ";
    enter(sheet);
    bt1_Click(form);
    EXPECT_EQ(form.text(u"Text2"),
              u"【T】第一名：白  第二名：  第三名：水瓶座   第四名：金牛座  第五名：双子座  "
              u"第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  第十名：天蝎座  "
              u"第十一名：射手座  第十二名：摩羯座。");
}

TEST_F(Handlers, ResetClearsTitleOutputAndPicksButKeepsCustomText)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.customText = u"keep me";
    enter(sheet);
    form.setText(u"Combo4", u"typed");
    bt1_Click(form);

    bt2_Click(form);
    const auto once = form.texts;
    bt2_Click(form);

    EXPECT_EQ(form.texts, once);
    expectStartState();
    EXPECT_EQ(form.text(u"Text1"), u"");
    EXPECT_EQ(form.text(u"Text2"), u"");
    EXPECT_EQ(form.text(u"Text3"), u"keep me");
}
