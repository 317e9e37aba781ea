#include "Win32MessageBox.h"

#include "ControlTable.h"
#include "Win32Text.h"

namespace tavelin::win32 {

void showModalMessage(HWND owner, const std::wstring &message)
{
    const std::wstring title = toWide(ui::mainForm().title);
    MessageBoxW(owner, message.c_str(), title.c_str(), MB_OK);
}

} // namespace tavelin::win32
