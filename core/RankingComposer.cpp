#include "RankingComposer.h"

#include <array>

namespace tavelin {

namespace {

constexpr std::u16string_view openingBracket = u"【";
constexpr std::u16string_view closingFullStop = u"。";

// Each label is stored whole. The first one also closes the title's bracket.
constexpr std::array<std::u16string_view, RankCount> rankLabels = {
    u"】第一名：", u"  第二名：", u"  第三名：", u"  第四名：", u"  第五名：",   u"  第六名：",
    u"  第七名：", u"  第八名：", u"  第九名：", u"  第十名：", u"  第十一名：", u"  第十二名：",
};

std::size_t composedLength(const RankingSheet &sheet)
{
    std::size_t length = openingBracket.size() + sheet.title.size() + closingFullStop.size();
    for (std::size_t i = 0; i < rankLabels.size(); ++i)
        length += rankLabels[i].size() + sheet.picks[i].size();
    return length;
}

} // namespace

std::u16string RankingComposer::compose(const RankingSheet &sheet)
{
    std::u16string text;
    text.reserve(composedLength(sheet));
    text += openingBracket;
    text += sheet.title;
    for (std::size_t i = 0; i < rankLabels.size(); ++i) {
        text += rankLabels[i];
        text += sheet.picks[i];
    }
    text += closingFullStop;
    return text;
}

std::u16string RankingComposer::appendCustomText(std::u16string output, std::u16string_view customText)
{
    output += customText;
    return output;
}

} // namespace tavelin
