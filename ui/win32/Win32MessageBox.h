#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tavelin::win32 {

// How the window shows a message: modal, owned by the window, returning once
// the user has closed it. Tests put a recorder in its place.
using MessagePresenter = std::function<void(HWND owner, const std::wstring &message)>;

// The real one: MessageBoxW with OK only, no icon and the program's title.
void showModalMessage(HWND owner, const std::wstring &message);

} // namespace tavelin::win32
