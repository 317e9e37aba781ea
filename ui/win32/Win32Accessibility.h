#pragma once

#include <windows.h>

#include <string_view>

namespace tavelin::win32 {

// Tells screen readers a control's name and, if not empty, its description,
// through oleacc's dynamic annotation (Windows XP and later). Needs COM on
// the calling thread; without it, or where oleacc cannot annotate (Wine's
// only pretends to), the control keeps the name Windows gives it.
void annotate(HWND control, std::u16string_view name, std::u16string_view description);

// Removes the annotations again, before the control is destroyed.
void clearAnnotations(HWND control);

} // namespace tavelin::win32
