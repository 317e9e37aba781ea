#include "RankingValidator.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

using namespace tavelin;
using tavelin::testing::catalogueOrderSheet;

namespace {

constexpr std::u16string_view placeholder = u"-请选择-";
constexpr std::u16string_view passes = u"(no problem)";

const std::array<std::u16string_view, 12> notChosenMessages = {
    u"请选择排名第一的星座！", u"请选择排名第二的星座！", u"请选择排名第三的星座！",   u"请选择排名第四的星座！",
    u"请选择排名第五的星座！", u"请选择排名第六的星座！", u"请选择排名第七的星座！",   u"请选择排名第八的星座！",
    u"请选择排名第九的星座！", u"请选择排名第十的星座！", u"请选择排名第十一的星座！", u"请选择排名第十二的星座！",
};

const std::array<std::u16string_view, 11> repeatedMessages = {
    u"排名第一的星座与其他排名有重复！", u"排名第二的星座与其他排名有重复！",   u"排名第三的星座与其他排名有重复！",
    u"排名第四的星座与其他排名有重复！", u"排名第五的星座与其他排名有重复！",   u"排名第六的星座与其他排名有重复！",
    u"排名第七的星座与其他排名有重复！", u"排名第八的星座与其他排名有重复！",   u"排名第九的星座与其他排名有重复！",
    u"排名第十的星座与其他排名有重复！", u"排名第十一的星座与其他排名有重复！",
};

std::u16string_view messageFor(const RankingSheet &sheet)
{
    const auto failure = RankingValidator::validate(sheet);
    return failure ? failure->message : passes;
}

struct Case
{
    const char *what;
    std::function<void(RankingSheet &)> change;
    std::u16string_view message;
};

} // namespace

TEST(RankingValidator, FirstFailingCheckNamesTheProblem)
{
    const std::u16string nul(1, u'\0'), highSurrogate(1, char16_t(0xD800)), lowSurrogate(1, char16_t(0xDC00));
    const Case cases[] = {
        {"an empty title comes first",
         [](RankingSheet &s) {
             s.title.clear();
             s.picks.fill(std::u16string(placeholder));
         },
         u"请填写排行榜标题！"},
        {"a title of spaces is not empty", [](RankingSheet &s) { s.title = u"   "; }, passes},
        {"no place chosen", [](RankingSheet &s) { s.picks.fill(std::u16string(placeholder)); }, notChosenMessages[0]},
        {"every chosen check comes before any repeat check",
         [](RankingSheet &s) {
             s.pick(2) = s.pick(1);
             s.pick(12) = placeholder;
         },
         notChosenMessages[11]},
        {"the first offending pair in rank order",
         [](RankingSheet &s) {
             s.pick(9) = s.pick(3);
             s.pick(7) = s.pick(1);
         },
         repeatedMessages[0]},
        {"one empty pick is fine", [](RankingSheet &s) { s.pick(4) = u""; }, passes},
        {"two empty picks repeat",
         [](RankingSheet &s) {
             s.pick(4) = u"";
             s.pick(10) = u"";
         },
         repeatedMessages[3]},
        {"typed texts that are no sign",
         [](RankingSheet &s) { s.picks = {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"白羊"}; },
         passes},
        {"only the exact placeholder counts as unchosen",
         [](RankingSheet &s) {
             s.picks = {u"-请选择- ", u" -请选择-", u"请选择", u"－请选择－", u"-请选择", u"a",
                        u"b",         u"c",         u"d",      u"e",          u"f",       u"g"};
         },
         passes},
        {"no folding, trimming or normalising",
         [](RankingSheet &s) {
             s.picks = {u"a", u"A", u"a ", u" a", u"ａ", u"e\u0301", u"\u00e9", u"b", u"c", u"d", u"f", u"g"};
         },
         passes},
        {"NUL and lone surrogates are ordinary text",
         [&](RankingSheet &s) {
             s.title = nul;
             s.pick(1) = highSurrogate;
             s.pick(2) = lowSurrogate;
             s.pick(3) = nul;
         },
         passes},
        {"a repeated lone surrogate",
         [&](RankingSheet &s) {
             s.pick(5) = highSurrogate;
             s.pick(6) = highSurrogate;
         },
         repeatedMessages[4]},
    };
    for (const Case &c : cases) {
        RankingSheet sheet = catalogueOrderSheet();
        c.change(sheet);
        EXPECT_EQ(messageFor(sheet), c.message) << c.what;
    }
}

TEST(RankingValidator, EveryRankAndEveryPairIsReportedByItsLowerRank)
{
    for (int rank = 1; rank <= 12; ++rank) {
        RankingSheet sheet = catalogueOrderSheet();
        sheet.pick(rank) = placeholder;
        EXPECT_EQ(RankingValidator::validate(sheet),
                  (ValidationFailure {CheckKind::RankNotChosen, rank, notChosenMessages[rank - 1]}));
    }
    for (int lower = 1; lower <= 12; ++lower) {
        for (int higher = lower + 1; higher <= 12; ++higher) {
            RankingSheet sheet = catalogueOrderSheet();
            sheet.pick(higher) = sheet.pick(lower);
            EXPECT_EQ(RankingValidator::validate(sheet),
                      (ValidationFailure {CheckKind::RankRepeated, lower, repeatedMessages[lower - 1]}))
                << lower << " and " << higher;
        }
    }
    EXPECT_EQ(RankingValidator::validate(catalogueOrderSheet(u"")),
              (ValidationFailure {CheckKind::TitleMissing, std::nullopt, u"请填写排行榜标题！"}));
}
