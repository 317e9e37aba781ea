#pragma once

#include "ControlTable.h"

#include <windows.h>

#include <string>

namespace tavelin::win32 {

// Creates the native control for one row of the control table, holding its
// initial text. Placing it is left to placeControl, which the window calls
// again whenever its DPI changes.
HWND createControl(const ui::ControlSpec &row, HWND parent, int id);

void placeControl(HWND control, const ui::ControlSpec &row, UINT dpi);

int pixelsAtDpi(int twips, UINT dpi);

std::wstring windowText(HWND window);

} // namespace tavelin::win32
