#include "Win32MainForm.h"
#include "Win32Text.h"

#include <windows.h>

namespace {

// The window tells screen readers its controls' names through COM.
class ComApartment
{
public:
    ComApartment()
        : m_started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    { }
    ~ComApartment()
    {
        if (m_started)
            CoUninitialize();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

private:
    bool m_started;
};

int reportStartFailure()
{
    const std::wstring title = tavelin::win32::toWide(tavelin::ui::mainForm().title);
    MessageBoxW(nullptr, L"无法创建窗口，程序将退出。", title.c_str(), MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    const ComApartment com;
    tavelin::win32::MainForm window;
    if (!window.handle())
        return reportStartFailure();
    window.show(showCommand);
    return tavelin::win32::runMessageLoop(window.handle());
}
