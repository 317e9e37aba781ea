#include "MainFormHandlers.h"
#include "ControlTable.h"
#include "FakeForm.h"
#include "RankingComposer.h"
#include "RankingValidator.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace tavelin;
using namespace tavelin::ui;
using tavelin::testing::catalogueOrderSheet;

namespace {

const std::array<std::u16string, 12> twelveSigns = catalogueOrderSheet().picks;

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
            EXPECT_TRUE(std::ranges::equal(form.entries[combo(rank)], twelveSigns));
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
    EXPECT_TRUE(form.announcements.empty());
}

// The messages and the ranking text themselves are the core's; here only
// which sheet the handler reads and what it does with the core's answer.
TEST_F(Handlers, GenerateShowsTheFirstProblemAndLeavesTheOutput)
{
    RankingSheet untitled = catalogueOrderSheet(u"");
    untitled.customText = u"abc";
    RankingSheet repeating = catalogueOrderSheet();
    repeating.pick(10) = repeating.pick(2);
    form.setText(u"Text2", u"earlier");
    std::vector<std::u16string> expected;
    for (const RankingSheet &sheet : {untitled, repeating}) {
        enter(sheet);
        click(u"bt1");
        expected.emplace_back(RankingValidator::validate(sheet)->message);
    }

    EXPECT_EQ(form.messages, expected);
    EXPECT_EQ(form.text(u"Text2"), u"earlier") << "no custom text piled onto an old output";
    EXPECT_TRUE(form.announcements.empty()) << "the message box alone is heard";
}

TEST_F(Handlers, GenerateWritesTheRankingAfreshOnEveryClick)
{
    RankingSheet sheet = catalogueOrderSheet(u"T");
    sheet.pick(1) = u"白";
    sheet.pick(2) = u"";
    sheet.customText = u"abc\r\n第二行";
    enter(sheet);
    form.setText(u"Text2", u"earlier");
    const auto entered = form.texts;
    click(u"bt1");
    click(u"bt1");

    const std::u16string output = RankingComposer::compose(sheet) + sheet.customText;
    EXPECT_EQ(form.text(u"Text2"), output);
    EXPECT_EQ(form.announcements, std::vector({output, output})) << "each new ranking read out whole, once";
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
    EXPECT_EQ(form.announcements.size(), 1U) << "only the generate's";
}
