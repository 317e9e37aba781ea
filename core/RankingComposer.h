#pragma once

#include "RankingSheet.h"

#include <string>
#include <string_view>

namespace tavelin {

class RankingComposer
{
public:
    // The one-line ranking text. Call it only on a sheet that passed
    // validation; it checks nothing and ignores the custom text.
    static std::u16string compose(const RankingSheet &sheet);

    // output followed directly by customText; an empty custom text adds nothing.
    static std::u16string appendCustomText(std::u16string output, std::u16string_view customText);
};

} // namespace tavelin
