#include "RankingValidator.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavelin;
using tavelin::testing::catalogueOrderSheet;

namespace {

struct Case
{
    const char *what;
    std::vector<std::pair<int, std::u16string>> entries; // rank 0 is the title
    std::optional<ValidationFailure> failure;
};

} // namespace

TEST(RankingValidator, ChecksRunInOrderAndStopAtTheFirstProblem)
{
    const Case cases[] = {
        {"an empty title comes first",
         {{0, u""}, {1, u"-请选择-"}, {2, u"水瓶座"}},
         ValidationFailure {CheckKind::TitleMissing, std::nullopt, u"请填写排行榜标题！"}},
        {"a title of spaces is a title", {{0, u"   "}}, std::nullopt},
        {"every chosen check comes before any repeat check",
         {{2, u"水瓶座"}, {12, u"-请选择-"}},
         ValidationFailure {CheckKind::RankNotChosen, 12, u"请选择排名第十二的星座！"}},
        {"the first pair in rank order",
         {{9, u"白羊座"}, {7, u"水瓶座"}},
         ValidationFailure {CheckKind::RankRepeated, 1, u"排名第一的星座与其他排名有重复！"}},
        {"two empty picks repeat",
         {{4, u""}, {10, u""}},
         ValidationFailure {CheckKind::RankRepeated, 4, u"排名第四的星座与其他排名有重复！"}},
    };
    for (const Case &c : cases) {
        RankingSheet sheet = catalogueOrderSheet();
        for (const auto &[rank, text] : c.entries)
            (rank == 0 ? sheet.title : sheet.pick(rank)) = text;
        EXPECT_EQ(RankingValidator::validate(sheet), c.failure) << c.what;
    }
}
