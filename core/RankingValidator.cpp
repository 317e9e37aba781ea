#include "RankingValidator.h"

#include <array>

namespace tavelin {

namespace {

constexpr std::u16string_view titleMissingMessage = u"请填写排行榜标题！";

constexpr std::array<std::u16string_view, RankCount> notChosenMessages = {
    u"请选择排名第一的星座！", u"请选择排名第二的星座！", u"请选择排名第三的星座！",   u"请选择排名第四的星座！",
    u"请选择排名第五的星座！", u"请选择排名第六的星座！", u"请选择排名第七的星座！",   u"请选择排名第八的星座！",
    u"请选择排名第九的星座！", u"请选择排名第十的星座！", u"请选择排名第十一的星座！", u"请选择排名第十二的星座！",
};

// Rank 12 has no message of its own: every pair that includes it is caught
// by the check of the lower rank.
constexpr std::array<std::u16string_view, RankCount - 1> repeatedMessages = {
    u"排名第一的星座与其他排名有重复！", u"排名第二的星座与其他排名有重复！",   u"排名第三的星座与其他排名有重复！",
    u"排名第四的星座与其他排名有重复！", u"排名第五的星座与其他排名有重复！",   u"排名第六的星座与其他排名有重复！",
    u"排名第七的星座与其他排名有重复！", u"排名第八的星座与其他排名有重复！",   u"排名第九的星座与其他排名有重复！",
    u"排名第十的星座与其他排名有重复！", u"排名第十一的星座与其他排名有重复！",
};

std::u16string_view messageOf(const auto &messages, int rank)
{
    return messages[static_cast<std::size_t>(rank - 1)];
}

std::optional<int> firstUnchosenRank(const RankingSheet &sheet)
{
    for (int rank = 1; rank <= RankCount; ++rank) {
        if (sheet.pick(rank) == Placeholder)
            return rank;
    }
    return std::nullopt;
}

bool repeatsLaterRank(const RankingSheet &sheet, int rank)
{
    for (int later = rank + 1; later <= RankCount; ++later) {
        if (sheet.pick(rank) == sheet.pick(later))
            return true;
    }
    return false;
}

std::optional<int> firstRepeatedRank(const RankingSheet &sheet)
{
    for (int rank = 1; rank < RankCount; ++rank) {
        if (repeatsLaterRank(sheet, rank))
            return rank;
    }
    return std::nullopt;
}

} // namespace

std::optional<ValidationFailure> RankingValidator::validate(const RankingSheet &sheet)
{
    if (sheet.title.empty())
        return ValidationFailure {CheckKind::TitleMissing, std::nullopt, titleMissingMessage};
    if (const auto rank = firstUnchosenRank(sheet))
        return ValidationFailure {CheckKind::RankNotChosen, rank, messageOf(notChosenMessages, *rank)};
    if (const auto rank = firstRepeatedRank(sheet))
        return ValidationFailure {CheckKind::RankRepeated, rank, messageOf(repeatedMessages, *rank)};
    return std::nullopt;
}

} // namespace tavelin
