#pragma once

#include <string_view>

namespace tavelin {

inline constexpr int RankCount = 12;

// The text a rank selector shows while no sign is chosen. It is never an
// entry of a selector's list.
inline constexpr std::u16string_view Placeholder = u"-请选择-";

// The twelve sign names in the order every selector lists them. The order is
// fixed and deliberately starts with 水瓶座; nothing sorts it.
class SignCatalogue
{
public:
    static constexpr int count() { return RankCount; }

    // position runs from 1 to count().
    static std::u16string_view nameAt(int position);
};

} // namespace tavelin
