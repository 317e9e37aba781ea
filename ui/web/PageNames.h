#pragma once

#include <string>
#include <string_view>

// What the page's code looks up in the markup written at build time, named
// once for both. The controls' own ids are their names in the control table.
namespace tavelin::web::page {

inline constexpr std::u16string_view formId = u"MainForm";
inline constexpr std::u16string_view messageBoxId = u"messageBox";
inline constexpr std::u16string_view messageTitleId = u"messageTitle";
inline constexpr std::u16string_view messageTextId = u"messageText";
// A live region, seen by no one, heard by screen readers.
inline constexpr std::u16string_view announcementId = u"announcement";

// A combo box is an element of this class around a field of role combobox
// (which has the control's id), its list button and a list of role listbox.
inline constexpr std::u16string_view comboClass = u"combo";
inline constexpr std::u16string_view fieldRole = u"combobox";
inline constexpr std::u16string_view listRole = u"listbox";
inline constexpr std::u16string_view optionRole = u"option";

inline std::u16string listId(std::u16string_view field)
{
    return std::u16string(field) + u"-list";
}

// A CSS selector for the elements of this role.
inline std::u16string withRole(std::u16string_view role)
{
    return u"[role=" + std::u16string(role) + u"]";
}

} // namespace tavelin::web::page
