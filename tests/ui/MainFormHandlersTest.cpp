#include "MainFormHandlers.h"
#include "ControlTable.h"
#include "FakeForm.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

using namespace tavelin;
using namespace tavelin::ui;
using tavelin::testing::catalogueOrderSheet;
using tavelin::testing::catalogueOrderText;

namespace {

const std::vector<std::u16string> twelveSigns = {u"水瓶座", u"双鱼座", u"白羊座", u"金牛座", u"双子座", u"巨蟹座",
                                                 u"狮子座", u"处女座", u"天秤座", u"天蝎座", u"射手座", u"摩羯座"};

std::u16string combo(int rank)
{
    return std::u16string(selectorName(rank));
}

class Handlers : public ::testing::Test
{
protected:
    void SetUp() override { Form_Load(form); }

    void enter(const RankingSheet &sheet)
    {
        form.setText(u"Text1", sheet.title);
        for (int rank = 1; rank <= 12; ++rank)
            form.setText(combo(rank), sheet.pick(rank));
        form.setText(u"Text3", sheet.customText);
    }

    // Through the wiring the windows use.
    void click(std::u16string_view button) { clickHandler(button)(form); }

    void expectFreshPlaces()
    {
        for (int rank = 1; rank <= 12; ++rank) {
            EXPECT_EQ(form.text(combo(rank)), u"-请选择-");
            EXPECT_EQ(form.entries[combo(rank)], twelveSigns);
        }
    }

    tavelin::testing::FakeForm form;
};

} // namespace

TEST_F(Handlers, LoadShowsEmptyBoxesAndThePlaceholderOverFullLists)
{
    expectFreshPlaces();
    for (const char16_t *box : {u"Text1", u"Text2", u"Text3"})
        EXPECT_EQ(form.text(box), u"");
    EXPECT_EQ(clickHandler(u"Text1"), nullptr);
}

TEST_F(Handlers, GenerateShowsTheFirstProblemAndLeavesTheOutput)
{
    form.setText(u"Text2", u"earlier");
    form.setText(u"Text3", u"abc");
    click(u"bt1");
    form.setText(u"Text1", u"榜");
    click(u"bt1");
    RankingSheet sheet = catalogueOrderSheet();
    sheet.pick(10) = u"双鱼座";
    sheet.customText = u"abc";
    enter(sheet);
    click(u"bt1");

    EXPECT_EQ(form.messages,
              (std::vector<std::u16string> {u"请填写排行榜标题！", u"请选择排名第一的星座！",
                                            u"排名第二的星座与其他排名有重复！"}));
    EXPECT_EQ(form.text(u"Text2"), u"earlier") << "no custom text piled onto an old output";
}

TEST_F(Handlers, GenerateWritesTheRankingAfreshOnEveryClick)
{
    form.setText(u"Text2", u"earlier");
    enter(catalogueOrderSheet());
    click(u"bt1");
    EXPECT_EQ(form.text(u"Text2"), catalogueOrderText);

    RankingSheet sheet = catalogueOrderSheet(u"T");
    sheet.pick(1) = u"白";
    sheet.pick(2) = u"";
    sheet.customText = u"abc\r\n第二行";
    enter(sheet);
    const auto entered = form.texts;
    click(u"bt1");
    click(u"bt1");
    EXPECT_EQ(form.text(u"Text2"),
              u"【T】第一名：白  第二名：  第三名：白羊座  第四名：金牛座  第五名：双子座  "
              u"第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  第十名：天蝎座  "
              u"第十一名：射手座  第十二名：摩羯座。abc\r\n第二行");
    form.texts[u"Text2"] = entered.at(u"Text2");
    EXPECT_EQ(form.texts, entered) << "generate changes nothing but the output";
    EXPECT_TRUE(form.messages.empty());
}

TEST_F(Handlers, ResetClearsTitleOutputAndPlacesButKeepsTheCustomText)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.pick(4) = u"typed";
    sheet.customText = u"keep me";
    enter(sheet);
    click(u"bt1");
    click(u"bt2");
    click(u"bt2");

    expectFreshPlaces();
    EXPECT_EQ(form.text(u"Text1"), u"");
    EXPECT_EQ(form.text(u"Text2"), u"");
    EXPECT_EQ(form.text(u"Text3"), u"keep me");
}
