#pragma once

#include "RankingSheet.h"

#include <optional>
#include <string_view>

namespace tavelin {

enum class CheckKind { TitleMissing, RankNotChosen, RankRepeated };

struct ValidationFailure
{
    CheckKind kind;
    std::optional<int> rank; // none for a missing title
    std::u16string_view message;

    friend bool operator==(const ValidationFailure &, const ValidationFailure &) = default;
};

// The checks run in a fixed order and stop at the first failure: the title,
// then whether each rank is chosen, then whether any two ranks repeat.
class RankingValidator
{
public:
    // Empty when the sheet may be composed. Never throws on any text.
    static std::optional<ValidationFailure> validate(const RankingSheet &sheet);
};

} // namespace tavelin
