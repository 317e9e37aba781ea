#pragma once

#include <windows.h>

namespace tavelin::win32 {

// The DPI functions of Windows 8.1 and later. They are looked up at run
// time, so that the program also starts on Windows 7, where the system DPI
// stands in for them. Each Windows takes its own path:
//   Windows 7                  the system DPI;
//   Windows 8.1, 10 until 1511 the DPI of the monitor the window opens on;
//   Windows 10 1607            the window's DPI, per-monitor v1: its frame
//                              scales only when asked to;
//   Windows 10 1703 and later  the window's DPI, per-monitor v2.
struct DpiFunctions
{
    using DpiForWindow = UINT(WINAPI *)(HWND window);
    using AdjustForDpi = BOOL(WINAPI *)(RECT *rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);
    using DpiForMonitor = HRESULT(WINAPI *)(HMONITOR monitor, int type, UINT *dpiX, UINT *dpiY);
    using ScaleFrame = BOOL(WINAPI *)(HWND window);

    // What this Windows offers; empty where it offers nothing.
    static DpiFunctions fromSystem();

    UINT windowDpi(HWND window) const;
    // Grows a client rectangle to the window rectangle of a window whose
    // non-client area is drawn at the given DPI.
    void adjustWindowRect(RECT &rect, DWORD style, UINT dpi) const;
    // Called while the window is created (WM_NCCREATE): under per-monitor
    // v1 its frame then scales with its DPI, as under v2.
    void scaleFrameWithDpi(HWND window) const;

    DpiForWindow dpiForWindow = nullptr;
    AdjustForDpi adjustWindowRectExForDpi = nullptr;
    DpiForMonitor dpiForMonitor = nullptr;
    // EnableNonClientDpiScaling, only where the process runs per-monitor v1.
    ScaleFrame enableNonClientDpiScaling = nullptr;
};

} // namespace tavelin::win32
