#include "RankingValidator.h"
#include "SampleSheets.h"

#include <gtest/gtest.h>

#include <array>

using namespace tavelin;
using tavelin::testing::catalogueOrderSheet;

namespace {

constexpr std::u16string_view placeholder = u"-请选择-";

ValidationFailure failure(const RankingSheet &sheet)
{
    const auto result = RankingValidator::validate(sheet);
    EXPECT_TRUE(result.has_value());
    return result.value_or(ValidationFailure {});
}

ValidationFailure repeated(int rank, std::u16string_view message)
{
    return {CheckKind::RankRepeated, rank, message};
}

ValidationFailure notChosen(int rank, std::u16string_view message)
{
    return {CheckKind::RankNotChosen, rank, message};
}

} // namespace

TEST(CheckOrder, EmptyTitleWinsWhateverThePicksHold)
{
    RankingSheet sheet = catalogueOrderSheet(u"");
    sheet.picks.fill(std::u16string(placeholder));
    EXPECT_EQ(failure(sheet), (ValidationFailure {CheckKind::TitleMissing, std::nullopt, u"请填写排行榜标题！"}));
}

TEST(CheckOrder, TitleOfSpacesIsNotEmpty)
{
    EXPECT_FALSE(RankingValidator::validate(catalogueOrderSheet(u"   ")));
}

TEST(CheckOrder, AllPlaceholdersReportRankOne)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.picks.fill(std::u16string(placeholder));
    EXPECT_EQ(failure(sheet), notChosen(1, u"请选择排名第一的星座！"));
}

TEST(CheckOrder, EveryChosenCheckComesBeforeAnyRepeatCheck)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.pick(2) = sheet.pick(1);
    sheet.pick(12) = placeholder;
    EXPECT_EQ(failure(sheet), notChosen(12, u"请选择排名第十二的星座！"));
}

TEST(CheckOrder, FirstOffendingPairInRankOrderIsReported)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.pick(9) = sheet.pick(3);
    sheet.pick(7) = sheet.pick(1);
    EXPECT_EQ(failure(sheet), repeated(1, u"排名第一的星座与其他排名有重复！"));
}

TEST(ChosenChecks, EachRankHasItsOwnMessage)
{
    const std::array<std::u16string_view, 12> expected = {
        u"请选择排名第一的星座！", u"请选择排名第二的星座！", u"请选择排名第三的星座！",   u"请选择排名第四的星座！",
        u"请选择排名第五的星座！", u"请选择排名第六的星座！", u"请选择排名第七的星座！",   u"请选择排名第八的星座！",
        u"请选择排名第九的星座！", u"请选择排名第十的星座！", u"请选择排名第十一的星座！", u"请选择排名第十二的星座！",
    };
    for (int rank = 1; rank <= 12; ++rank) {
        RankingSheet sheet = catalogueOrderSheet();
        sheet.pick(rank) = placeholder;
        EXPECT_EQ(failure(sheet), notChosen(rank, expected[rank - 1])) << "rank " << rank;
    }
}

TEST(ChosenChecks, OnlyTheExactPlaceholderCountsAsNotChosen)
{
    for (const std::u16string_view near : {u"-请选择- ", u" -请选择-", u"请选择", u"－请选择－", u"-请选择"}) {
        RankingSheet sheet = catalogueOrderSheet();
        sheet.pick(5) = near;
        EXPECT_FALSE(RankingValidator::validate(sheet));
    }
}

TEST(RepeatChecks, EveryPairIsReportedAgainstItsLowerRank)
{
    const std::array<std::u16string_view, 11> expected = {
        u"排名第一的星座与其他排名有重复！", u"排名第二的星座与其他排名有重复！",   u"排名第三的星座与其他排名有重复！",
        u"排名第四的星座与其他排名有重复！", u"排名第五的星座与其他排名有重复！",   u"排名第六的星座与其他排名有重复！",
        u"排名第七的星座与其他排名有重复！", u"排名第八的星座与其他排名有重复！",   u"排名第九的星座与其他排名有重复！",
        u"排名第十的星座与其他排名有重复！", u"排名第十一的星座与其他排名有重复！",
    };
    int pairs = 0;
    for (int lower = 1; lower <= 12; ++lower) {
        for (int higher = lower + 1; higher <= 12; ++higher) {
            RankingSheet sheet = catalogueOrderSheet();
            sheet.pick(higher) = sheet.pick(lower);
            EXPECT_EQ(failure(sheet), repeated(lower, expected[lower - 1])) << lower << " and " << higher;
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 66);
}

TEST(RepeatChecks, LastTwoRanks)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.pick(12) = u"射手座";
    EXPECT_EQ(failure(sheet), repeated(11, u"排名第十一的星座与其他排名有重复！"));
}

TEST(Picks, TwoEmptyPicksRepeatButOneIsFine)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.pick(4) = u"";
    EXPECT_FALSE(RankingValidator::validate(sheet));
    sheet.pick(10) = u"";
    EXPECT_EQ(failure(sheet), repeated(4, u"排名第四的星座与其他排名有重复！"));
}

TEST(Picks, TypedTextsThatAreNoSignPass)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.picks = {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"白羊"};
    EXPECT_FALSE(RankingValidator::validate(sheet));
}

TEST(Picks, ComparisonIsExactCodeUnitByCodeUnit)
{
    RankingSheet sheet = catalogueOrderSheet();
    sheet.picks = {u"a", u"A", u"a ", u" a", u"ａ", u"e\u0301", u"\u00e9", u"b", u"c", u"d", u"f", u"g"};
    EXPECT_FALSE(RankingValidator::validate(sheet)) << "no folding, trimming or normalising";
}

TEST(UnusualText, NulLoneSurrogatesAndLineBreaksAreOrdinary)
{
    RankingSheet sheet = catalogueOrderSheet(std::u16string(u"a\0b", 3));
    sheet.pick(1) = std::u16string(1, char16_t(0xD800));
    sheet.pick(2) = std::u16string(1, char16_t(0xDC00));
    sheet.pick(3) = u"\r\n";
    sheet.pick(4) = u"\n";
    sheet.pick(5) = std::u16string(1, u'\0');
    EXPECT_FALSE(RankingValidator::validate(sheet));

    sheet.pick(6) = std::u16string(1, char16_t(0xD800));
    EXPECT_EQ(failure(sheet), repeated(1, u"排名第一的星座与其他排名有重复！"));
}

TEST(UnusualText, MegabyteTextsDifferingInTheLastUnit)
{
    const std::u16string big(1 << 20, u'星');
    RankingSheet sheet = catalogueOrderSheet(big);
    sheet.pick(1) = big + u'a';
    sheet.pick(2) = big + u'b';
    EXPECT_FALSE(RankingValidator::validate(sheet));
    sheet.pick(2) = sheet.pick(1);
    EXPECT_EQ(failure(sheet), repeated(1, u"排名第一的星座与其他排名有重复！"));
}
