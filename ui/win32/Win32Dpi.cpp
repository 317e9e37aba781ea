#include "Win32Dpi.h"

namespace tavelin::win32 {

namespace {

template <typename Function> Function systemFunction(HMODULE module, const char *name)
{
    // GetProcAddress returns a generic function pointer; going through
    // void (*)() tells the compiler that the type change is intended.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
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
            systemFunction<AdjustForDpi>(user32, "AdjustWindowRectExForDpi")};
}

UINT DpiFunctions::windowDpi(HWND window) const
{
    return dpiForWindow ? dpiForWindow(window) : systemDpi();
}

void DpiFunctions::adjustWindowRect(RECT &rect, DWORD style, UINT dpi) const
{
    if (adjustWindowRectExForDpi)
        adjustWindowRectExForDpi(&rect, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, 0);
}

} // namespace tavelin::win32
