#include "RankingComposer.h"
#include "RankingValidator.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

using namespace tavelin;

namespace {

const std::array<std::u16string, 12> ordinals
    = {u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十", u"十一", u"十二"};

using Problem = std::tuple<CheckKind, int, std::u16string>; // rank 0 for the title

// The three rules and their messages as a person would state them.
std::optional<Problem> firstProblem(const RankingSheet &sheet)
{
    if (sheet.title.empty())
        return Problem {CheckKind::TitleMissing, 0, u"请填写排行榜标题！"};
    for (int rank = 1; rank <= 12; ++rank) {
        if (sheet.pick(rank) == u"-请选择-")
            return Problem {CheckKind::RankNotChosen, rank, u"请选择排名第" + ordinals[rank - 1] + u"的星座！"};
    }
    for (int lower = 1; lower <= 11; ++lower) {
        for (int higher = lower + 1; higher <= 12; ++higher) {
            if (sheet.pick(lower) == sheet.pick(higher))
                return Problem {CheckKind::RankRepeated, lower,
                                u"排名第" + ordinals[lower - 1] + u"的星座与其他排名有重复！"};
        }
    }
    return std::nullopt;
}

std::u16string expectedText(const RankingSheet &sheet)
{
    std::u16string text = u"【" + sheet.title + u"】";
    for (int rank = 1; rank <= 12; ++rank)
        text += std::u16string(rank > 1 ? u"  第" : u"第") + ordinals[rank - 1] + u"名：" + sheet.pick(rank);
    return text + u"。";
}

// From few pieces, so that placeholders and near ones, repeats, empty
// texts, NULs, lone surrogates and texts differing only in case turn up
// often.
std::u16string randomText(std::mt19937 &random)
{
    static const std::array<std::u16string, 10> pieces = {u"",
                                                          u"-请选择-",
                                                          u"-请选择- ",
                                                          u"水瓶座",
                                                          u"摩羯座",
                                                          u"a",
                                                          u"A",
                                                          std::u16string(1, u'\0'),
                                                          std::u16string(1, char16_t(0xD800)),
                                                          std::u16string(1, char16_t(0xDFFF))};
    const std::u16string text = pieces[random() % pieces.size()];
    return random() % 3 == 0 ? text + pieces[random() % pieces.size()] : text;
}

RankingSheet randomSheet(std::mt19937 &random)
{
    RankingSheet sheet = tavelin::testing::catalogueOrderSheet(random() % 10 == 0 ? u"" : randomText(random));
    for (auto changes = random() % 4; changes > 0; --changes)
        sheet.pick(static_cast<int>(random() % 12) + 1) = randomText(random);
    return sheet;
}

} // namespace

// Every rank that is not chosen and every rank that repeats a later one
// turns up, each with its message.
TEST(RankingProperties, RandomSheetsFollowTheRulesAndTheFormat)
{
    std::mt19937 random(20261207);
    int composed = 0;
    std::set<std::u16string> messages;
    for (int i = 0; i < 20000; ++i) {
        const RankingSheet sheet = randomSheet(random);
        const auto failure = RankingValidator::validate(sheet);
        const auto problem = firstProblem(sheet);
        ASSERT_EQ(failure.has_value(), problem.has_value());
        if (problem) {
            ASSERT_EQ(Problem(failure->kind, failure->rank.value_or(0), failure->message), *problem);
            messages.insert(std::get<2>(*problem));
        } else {
            ASSERT_EQ(RankingComposer::compose(sheet), expectedText(sheet));
            ++composed;
        }
    }
    EXPECT_GT(composed, 2000) << "too few sheets reached the composer";
    EXPECT_EQ(messages.size(), 1U + 12 + 11) << "some message never turned up";
}
