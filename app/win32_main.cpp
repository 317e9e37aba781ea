#include "Win32MainForm.h"

#include <windows.h>

namespace {
constexpr int mainIconId = 1; // see tavelin.rc
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    tavelin::win32::MainForm window(LoadIconW(instance, MAKEINTRESOURCEW(mainIconId)));
    window.show(showCommand);
    return tavelin::win32::runMessageLoop(window.handle());
}
