#include "Win32Dpi.h"

#include "Win32SystemLibrary.h"

namespace tavelin::win32 {

namespace {

using AwarenessContext = HANDLE;
const auto perMonitorV2 = reinterpret_cast<AwarenessContext>(-4); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
constexpr int effectiveDpi = 0; // MDT_EFFECTIVE_DPI

// Windows 10 1607 understands per-monitor v2 in the manifest but runs it as
// v1; 1703 and later run v2, whose frames scale by themselves.
bool runsPerMonitorV2(HMODULE user32)
{
    using ThreadContext = AwarenessContext(WINAPI *)();
    using ContextsEqual = BOOL(WINAPI *)(AwarenessContext, AwarenessContext);
    const auto threadContext = systemFunction<ThreadContext>(user32, "GetThreadDpiAwarenessContext");
    const auto contextsEqual = systemFunction<ContextsEqual>(user32, "AreDpiAwarenessContextsEqual");
    return threadContext && contextsEqual && contextsEqual(threadContext(), perMonitorV2);
}

UINT systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

} // namespace

DpiFunctions DpiFunctions::fromSystem()
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return {systemFunction<DpiForWindow>(user32, "GetDpiForWindow"),
            systemFunction<AdjustForDpi>(user32, "AdjustWindowRectExForDpi"),
            systemFunction<DpiForMonitor>(loadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor"), // Windows 8.1 on
            runsPerMonitorV2(user32) ? nullptr : systemFunction<ScaleFrame>(user32, "EnableNonClientDpiScaling")};
}

UINT DpiFunctions::windowDpi(HWND window) const
{
    if (dpiForWindow)
        return dpiForWindow(window);
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (dpiForMonitor
        && SUCCEEDED(dpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), effectiveDpi, &dpiX, &dpiY)))
        return dpiX;
    return systemDpi();
}

void DpiFunctions::adjustWindowRect(RECT &rect, DWORD style, UINT dpi) const
{
    if (adjustWindowRectExForDpi)
        adjustWindowRectExForDpi(&rect, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, 0);
}

void DpiFunctions::scaleFrameWithDpi(HWND window) const
{
    if (enableNonClientDpiScaling)
        enableNonClientDpiScaling(window);
}

} // namespace tavelin::win32
