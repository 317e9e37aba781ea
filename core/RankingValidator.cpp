#include "RankingValidator.h"

#include <algorithm>
#include <array>
#include <iterator>

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

using Picks = decltype(RankingSheet::picks);

int rankAt(const Picks &picks, Picks::const_iterator pick)
{
    return static_cast<int>(pick - picks.begin()) + 1;
}

std::optional<int> firstUnchosenRank(const Picks &picks)
{
    const auto unchosen = std::find(picks.begin(), picks.end(), Placeholder);
    return unchosen == picks.end() ? std::nullopt : std::optional(rankAt(picks, unchosen));
}

// Every pair is compared once; the lower rank of the first pair found is
// the one reported.
std::optional<int> firstRepeatedRank(const Picks &picks)
{
    for (auto pick = picks.begin(); pick != picks.end(); ++pick) {
        if (std::find(std::next(pick), picks.end(), *pick) != picks.end())
            return rankAt(picks, pick);
    }
    return std::nullopt;
}

} // namespace

std::optional<ValidationFailure> RankingValidator::validate(const RankingSheet &sheet)
{
    if (sheet.title.empty())
        return ValidationFailure {CheckKind::TitleMissing, std::nullopt, titleMissingMessage};
    if (const auto rank = firstUnchosenRank(sheet.picks))
        return ValidationFailure {CheckKind::RankNotChosen, rank, messageOf(notChosenMessages, *rank)};
    if (const auto rank = firstRepeatedRank(sheet.picks))
        return ValidationFailure {CheckKind::RankRepeated, rank, messageOf(repeatedMessages, *rank)};
    return std::nullopt;
}

} // namespace tavelin
