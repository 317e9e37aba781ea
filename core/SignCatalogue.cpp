#include "SignCatalogue.h"

#include <array>
#include <stdexcept>

namespace tavelin {

namespace {

constexpr std::array<std::u16string_view, RankCount> names = {
    u"水瓶座", u"双鱼座", u"白羊座", u"金牛座", u"双子座", u"巨蟹座",
    u"狮子座", u"处女座", u"天秤座", u"天蝎座", u"射手座", u"摩羯座",
};

} // namespace

std::u16string_view SignCatalogue::nameAt(int position)
{
    if (position < 1 || position > count())
        throw std::out_of_range("sign position outside 1..12");
    return names[static_cast<std::size_t>(position - 1)];
}

} // namespace tavelin
