#pragma once

#include <windows.h>

namespace tavelin::win32 {

// The per-window DPI functions of Windows 10 1607 and later. They are looked
// up at run time, so that the program also starts on Windows 7 and 8.1,
// where the system DPI stands in for them.
struct DpiFunctions
{
    using DpiForWindow = UINT(WINAPI *)(HWND window);
    using AdjustForDpi = BOOL(WINAPI *)(RECT *rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);

    // What this Windows' user32 offers; empty where it offers nothing.
    static DpiFunctions fromSystem();

    UINT windowDpi(HWND window) const;
    // Grows a client rectangle to the window rectangle of a window whose
    // non-client area is drawn at the given DPI.
    void adjustWindowRect(RECT &rect, DWORD style, UINT dpi) const;

    DpiForWindow dpiForWindow = nullptr;
    AdjustForDpi adjustWindowRectExForDpi = nullptr;
};

} // namespace tavelin::win32
