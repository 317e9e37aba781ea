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

// The rank grid: four rows of three ranks, read left to right, then top to
// bottom. A rank's caption and selector share the row's top.
constexpr std::array<int, 3> captionLefts = {360, 2640, 5040};
constexpr std::array<int, 3> selectorLefts = {1320, 3600, 6000};
constexpr std::array<int, 4> rowTops = {1080, 1680, 2280, 2880};

constexpr std::size_t gridColumn(int rank)
{
    return static_cast<std::size_t>((rank - 1) % 3);
}

constexpr int gridTop(int rank)
{
    return rowTops[static_cast<std::size_t>((rank - 1) / 3)];
}

// The two-digit ranks 11 and 12 have wider captions, which reach one pixel
// under their selectors.
constexpr ControlSpec caption(std::u16string_view name, std::u16string_view text, int rank)
{
    const TwipRect place = {captionLefts[gridColumn(rank)], gridTop(rank), rank >= 11 ? 975 : 735, 255};
    return {name, Label, RankCaption, text, place, {}, combo(rank)};
}

// Selectors start with their own name as text, except Combo1, which starts
// empty; start-up replaces all of them with the placeholder.
constexpr ControlSpec selector(int rank, std::u16string_view accessibleName)
{
    const TwipRect place = {selectorLefts[gridColumn(rank)], gridTop(rank), 1095, 300};
    return {combo(rank), Selector, RankSelector, rank == 1 ? u"" : combo(rank), place, accessibleName};
}

// Label4 stacks five characters; 975 twips leaves 13 pixels a line, less
// than any CJK face needs, so it reaches further down the empty strip to the
// left of the buttons.
constexpr int customCaptionHeight = 1440;

constexpr std::array controls = {
    ControlSpec {u"Label1", Label, TitlePrompt, u"请输入排行榜的名字：", {360, 360, 1815, 255}, {}, names::Text1},
    ControlSpec {names::Text1, SingleLineText, Title, u"", {2400, 360, 2295, 270}, u"排行榜的名字", {}, u"必填"},
    ControlSpec {u"Label2", Label, RequiredMark, u"* 必填", {5160, 360, 975, 255}},

    caption(u"Label3(0)", u"第一名：", 1),
    selector(1, u"第一名"),
    caption(u"Label3(7)", u"第二名：", 2),
    selector(2, u"第二名"),
    caption(u"Label3(6)", u"第三名：", 3),
    selector(3, u"第三名"),

    caption(u"Label3(11)", u"第四名：", 4),
    selector(4, u"第四名"),
    caption(u"Label3(5)", u"第五名：", 5),
    selector(5, u"第五名"),
    caption(u"Label3(4)", u"第六名：", 6),
    selector(6, u"第六名"),

    caption(u"Label3(10)", u"第七名：", 7),
    selector(7, u"第七名"),
    caption(u"Label3(3)", u"第八名：", 8),
    selector(8, u"第八名"),
    caption(u"Label3(2)", u"第九名：", 9),
    selector(9, u"第九名"),

    caption(u"Label3(9)", u"第十名：", 10),
    selector(10, u"第十名"),
    caption(u"Label3(1)", u"第十一名：", 11),
    selector(11, u"第十一名"),
    caption(u"Label3(8)", u"第十二名：", 12),
    selector(12, u"第十二名"),

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
