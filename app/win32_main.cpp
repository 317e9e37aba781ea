#include "Win32MainForm.h"
#include "Win32Text.h"

#include <windows.h>

namespace {

constexpr int mainIconId = 1; // see tavelin.rc.in

// The icon file holds several sizes; Windows picks the nearest to each.
HICON loadIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(mainIconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

int reportStartFailure()
{
    const std::wstring title = tavelin::win32::toWide(tavelin::ui::mainForm().title);
    MessageBoxW(nullptr, L"无法创建窗口，程序将退出。", title.c_str(), MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    tavelin::win32::MainForm window(loadIcon(instance, SM_CXICON, SM_CYICON),
                                    loadIcon(instance, SM_CXSMICON, SM_CYSMICON));
    if (!window.handle())
        return reportStartFailure();
    window.show(showCommand);
    return tavelin::win32::runMessageLoop(window.handle());
}
