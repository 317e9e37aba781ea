#include "ControlTable.h"

#include "SignCatalogue.h"

#include <array>
#include <stdexcept>

namespace tavelin::ui {

namespace {

using enum ControlKind;
using enum ControlRole;

constexpr std::array<std::u16string_view, RankCount> selectorNames = {
    u"Combo1", u"Combo2", u"Combo3", u"Combo4",  u"Combo5",  u"Combo6",
    u"Combo7", u"Combo8", u"Combo9", u"Combo10", u"Combo11", u"Combo12",
};

constexpr std::u16string_view combo(int rank)
{
    return selectorNames[static_cast<std::size_t>(rank - 1)];
}

// Selectors start with their own name as text, except Combo1, which starts
// empty; start-up replaces all of them with the placeholder.
constexpr ControlSpec selector(int rank, std::u16string_view accessibleName, int left, int top)
{
    return {combo(rank), Selector, RankSelector, rank == 1 ? u"" : combo(rank), {left, top, 1095, 300}, accessibleName};
}

constexpr ControlSpec caption(std::u16string_view name, std::u16string_view text, int rank, int left, int top,
                              int width = 735)
{
    return {name, Label, RankCaption, text, {left, top, width, 255}, {}, combo(rank)};
}

constexpr int column1 = 360, column2 = 2640, column3 = 5040;
constexpr int selectorColumn1 = 1320, selectorColumn2 = 3600, selectorColumn3 = 6000;
constexpr int row1 = 1080, row2 = 1680, row3 = 2280, row4 = 2880;

// Label4 stacks five characters; 975 twips leaves 13 pixels a line, less
// than any CJK face needs, so it reaches further down the empty strip to the
// left of the buttons.
constexpr int customCaptionHeight = 1440;

constexpr std::array controls = {
    ControlSpec {u"Label1", Label, TitlePrompt, u"请输入排行榜的名字：", {360, 360, 1815, 255}, {}, names::Text1},
    ControlSpec {names::Text1, SingleLineText, Title, u"", {2400, 360, 2295, 270}, u"排行榜的名字"},
    ControlSpec {u"Label2", Label, RequiredMark, u"* 必填", {5160, 360, 975, 255}},

    caption(u"Label3(0)", u"第一名：", 1, column1, row1),
    selector(1, u"第一名", selectorColumn1, row1),
    caption(u"Label3(7)", u"第二名：", 2, column2, row1),
    selector(2, u"第二名", selectorColumn2, row1),
    caption(u"Label3(6)", u"第三名：", 3, column3, row1),
    selector(3, u"第三名", selectorColumn3, row1),

    caption(u"Label3(11)", u"第四名：", 4, column1, row2),
    selector(4, u"第四名", selectorColumn1, row2),
    caption(u"Label3(5)", u"第五名：", 5, column2, row2),
    selector(5, u"第五名", selectorColumn2, row2),
    caption(u"Label3(4)", u"第六名：", 6, column3, row2),
    selector(6, u"第六名", selectorColumn3, row2),

    caption(u"Label3(10)", u"第七名：", 7, column1, row3),
    selector(7, u"第七名", selectorColumn1, row3),
    caption(u"Label3(3)", u"第八名：", 8, column2, row3),
    selector(8, u"第八名", selectorColumn2, row3),
    caption(u"Label3(2)", u"第九名：", 9, column3, row3),
    selector(9, u"第九名", selectorColumn3, row3),

    caption(u"Label3(9)", u"第十名：", 10, column1, row4),
    selector(10, u"第十名", selectorColumn1, row4),
    caption(u"Label3(1)", u"第十一名：", 11, column2, row4, 975),
    selector(11, u"第十一名", selectorColumn2, row4),
    caption(u"Label3(8)", u"第十二名：", 12, column3, row4, 975),
    selector(12, u"第十二名", selectorColumn3, row4),

    ControlSpec {u"Label4",
                 Label,
                 CustomTextCaption,
                 u"自\r\n定\r\n义\r\n文\r\n本",
                 {480, 3480, 255, customCaptionHeight},
                 {},
                 names::Text3},
    ControlSpec {names::Text3, MultiLineText, CustomText, u"", {840, 3480, 6255, 855}, u"自定义文本"},
    ControlSpec {names::bt1, Button, Generate, u"生成排行榜", {1920, 4440, 1215, 375}},
    ControlSpec {names::bt2, Button, Reset, u"重置", {4440, 4440, 1215, 375}},
    ControlSpec {names::Text2, MultiLineText, Output, u"", {480, 5040, 6615, 1935}, u"生成的排行榜"},
};

constexpr std::array tabOrder = {
    names::Text1, names::Text2, names::bt1, names::bt2, combo(1),  combo(2),  combo(3),  combo(4),     combo(5),
    combo(6),     combo(7),     combo(8),   combo(9),   combo(10), combo(11), combo(12), names::Text3,
};

constexpr FormSpec form = {u"Tavelin", 7515, 7170};

} // namespace

const FormSpec &mainForm()
{
    return form;
}

std::span<const ControlSpec> controlTable()
{
    return controls;
}

std::span<const std::u16string_view> focusOrder()
{
    return tabOrder;
}

std::u16string_view selectorName(int rank)
{
    if (rank < 1 || rank > RankCount)
        throw std::out_of_range("rank outside 1..12");
    return combo(rank);
}

} // namespace tavelin::ui
