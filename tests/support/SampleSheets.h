#pragma once

#include "RankingSheet.h"

#include <string>

namespace tavelin::testing {

// Twelve distinct sign names, typed here independently of the program's own
// catalogue, in the catalogue's order.
inline RankingSheet catalogueOrderSheet(std::u16string title = u"本周运势")
{
    RankingSheet sheet;
    sheet.title = std::move(title);
    sheet.picks = {u"水瓶座", u"双鱼座", u"白羊座", u"金牛座", u"双子座", u"巨蟹座",
                   u"狮子座", u"处女座", u"天秤座", u"天蝎座", u"射手座", u"摩羯座"};
    return sheet;
}

// The ranking text of catalogueOrderSheet(), written out in full.
inline constexpr std::u16string_view catalogueOrderText
    = u"【本周运势】第一名：水瓶座  第二名：双鱼座  第三名：白羊座  第四名：金牛座  第五名：双子座  "
      u"第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  第十名：天蝎座  "
      u"第十一名：射手座  第十二名：摩羯座。";

} // namespace tavelin::testing
