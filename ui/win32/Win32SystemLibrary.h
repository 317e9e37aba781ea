#pragma once

#include <windows.h>

#include <string>

namespace tavelin::win32 {

// A DLL of Windows, loaded from the system folder only, never from beside
// the program; null where this Windows has none.
inline HMODULE loadSystemLibrary(const wchar_t *name)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
    return LoadLibraryW((path + L'\\' + name).c_str());
}

// A function of a DLL, or null where this Windows lacks it (or the DLL).
template <typename Function> Function systemFunction(HMODULE module, const char *name)
{
    if (!module)
        return nullptr;
    // GetProcAddress returns a generic function pointer; going through
    // void (*)() tells the compiler that the type change is intended.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace tavelin::win32
