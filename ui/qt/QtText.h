#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tavelin::qt {

// Both sides hold UTF-16 code units, so these copy them one to one.
inline QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

inline std::u16string toU16(const QString &text)
{
    return text.toStdU16String();
}

} // namespace tavelin::qt
