#include "RankingValidator.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace tavelin;
using tavelin::testing::catalogueOrderSheet;

namespace {

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

struct Case
{
    const char *what;
    std::vector<std::pair<int, std::u16string>> entries; // rank 0 is the title
    std::optional<ValidationFailure> failure;
};

ValidationFailure notChosen(int rank)
{
    return {CheckKind::RankNotChosen, rank, notChosenMessages[static_cast<std::size_t>(rank - 1)]};
}

ValidationFailure repeated(int rank)
{
    return {CheckKind::RankRepeated, rank, repeatedMessages[static_cast<std::size_t>(rank - 1)]};
}

} // namespace

TEST(RankingValidator, ChecksRunInOrderAndStopAtTheFirstProblem)
{
    const Case cases[] = {
        {"an empty title comes first",
         {{0, u""}, {1, u"-请选择-"}, {2, u"水瓶座"}},
         ValidationFailure {CheckKind::TitleMissing, std::nullopt, u"请填写排行榜标题！"}},
        {"a title of spaces is a title", {{0, u"   "}}, std::nullopt},
        {"every chosen check comes before any repeat check", {{2, u"水瓶座"}, {12, u"-请选择-"}}, notChosen(12)},
        {"the first pair in rank order", {{9, u"白羊座"}, {7, u"水瓶座"}}, repeated(1)},
        {"two empty picks repeat", {{4, u""}, {10, u""}}, repeated(4)},
    };
    for (const Case &c : cases) {
        RankingSheet sheet = catalogueOrderSheet();
        for (const auto &[rank, text] : c.entries)
            (rank == 0 ? sheet.title : sheet.pick(rank)) = text;
        EXPECT_EQ(RankingValidator::validate(sheet), c.failure) << c.what;
    }
}

TEST(RankingValidator, EveryRankAndEveryPairIsReportedByItsLowerRank)
{
    for (int rank = 1; rank <= 12; ++rank) {
        RankingSheet sheet = catalogueOrderSheet();
        sheet.pick(rank) = u"-请选择-";
        EXPECT_EQ(RankingValidator::validate(sheet), notChosen(rank));
    }
    for (int lower = 1; lower <= 11; ++lower) {
        for (int higher = lower + 1; higher <= 12; ++higher) {
            RankingSheet sheet = catalogueOrderSheet();
            sheet.pick(higher) = sheet.pick(lower);
            EXPECT_EQ(RankingValidator::validate(sheet), repeated(lower)) << lower << " and " << higher;
        }
    }
}
