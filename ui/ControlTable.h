#pragma once

#include <span>
#include <string_view>

namespace tavelin::ui {

enum class ControlKind { Label, SingleLineText, MultiLineText, Selector, Button };

enum class ControlRole {
    TitlePrompt,
    Title,
    RequiredMark, // drawn in pure red
    RankCaption,
    RankSelector,
    CustomTextCaption,
    CustomText,
    Generate,
    Reset,
    Output,
};

// Positions and sizes in twips from the top-left of the client area.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int TwipsPerInch = 1440;

// Twips at a screen density, rounded to the nearest pixel as MulDiv does.
constexpr int twipsToPixels(int twips, int dpi = 96)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled < 0 ? -TwipsPerInch : TwipsPerInch) / 2) / TwipsPerInch);
}

struct ControlSpec
{
    std::u16string_view name;
    ControlKind kind;
    ControlRole role;
    std::u16string_view text; // caption or initial text
    TwipRect twips;
    // What a screen reader announces for an input control, from its caption.
    std::u16string_view accessibleName = {};
    // For a caption: the control it names.
    std::u16string_view captionFor = {};
    // For a required input: its required mark in words, which a screen
    // reader says after the name.
    std::u16string_view requiredNote = {};
};

struct FormSpec
{
    std::u16string_view title;
    int clientWidthTwips;
    int clientHeightTwips;
};

namespace names {
inline constexpr std::u16string_view Text1 = u"Text1";
inline constexpr std::u16string_view Text2 = u"Text2";
inline constexpr std::u16string_view Text3 = u"Text3";
inline constexpr std::u16string_view bt1 = u"bt1";
inline constexpr std::u16string_view bt2 = u"bt2";
} // namespace names

const FormSpec &mainForm();

// Every control of the main window, in creation order.
std::span<const ControlSpec> controlTable();

// Tab moves forward through this list, Shift+Tab back; it wraps around.
std::span<const std::u16string_view> focusOrder();

// The selector of a rank, Combo1 for rank 1 up to Combo12.
std::u16string_view selectorName(int rank);

} // namespace tavelin::ui
