#pragma once

#include "ControlTable.h"

#include <windows.h>

#include <string>

namespace tavelin::win32 {

// Creates the native control for one row of the control table, holding its
// initial text. Placing it is left to placeControl, which the window calls
// again whenever its DPI changes.
HWND createControl(const ui::ControlSpec &row, HWND parent);

// An invisible caption for an input that has none on screen: screen readers
// take its text as the input's name.
HWND createHiddenCaption(std::u16string_view name, HWND parent);

void placeControl(HWND control, const ui::ControlSpec &row, UINT dpi);

std::wstring windowText(HWND window);

// Sets a selector's field. The entry of the same text becomes the list's
// selection; a text that is no entry leaves nothing selected, so that the
// arrow keys start again from the top of the list.
void setSelectorText(HWND selector, const std::wstring &text);

} // namespace tavelin::win32
