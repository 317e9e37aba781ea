#pragma once

#include "SignCatalogue.h"

#include <array>
#include <string>

namespace tavelin {

// What the user has entered for one request, taken exactly as typed.
struct RankingSheet
{
    std::u16string title;
    std::array<std::u16string, RankCount> picks; // picks[0] holds rank 1
    std::u16string customText;

    // rank runs from 1 to RankCount.
    const std::u16string &pick(int rank) const { return picks.at(static_cast<std::size_t>(rank - 1)); }
    std::u16string &pick(int rank) { return picks.at(static_cast<std::size_t>(rank - 1)); }
};

} // namespace tavelin
