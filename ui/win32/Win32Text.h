#pragma once

#include <string>
#include <string_view>

namespace tavelin::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

// Both sides hold UTF-16 code units, so these copy them one to one.
inline std::wstring toWide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

inline std::u16string toU16(std::wstring_view text)
{
    return {text.begin(), text.end()};
}

} // namespace tavelin::win32
