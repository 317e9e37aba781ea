#include "Win32MainForm.h"
#include "ControlTable.h"
#include "RankingComposer.h"
#include "RankingValidator.h"
#include "Win32Controls.h"
#include "Win32Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using tavelin::win32::DpiFunctions;
using tavelin::win32::MainForm;
using tavelin::win32::toWide;
using tavelin::win32::windowText;

namespace {

// Combo1 to Combo12 are focusOrder[4] to focusOrder[15].
const std::array<std::u16string_view, 17> focusOrder
    = {u"Text1",  u"Text2",  u"bt1",    u"bt2",    u"Combo1",  u"Combo2",  u"Combo3",  u"Combo4", u"Combo5",
       u"Combo6", u"Combo7", u"Combo8", u"Combo9", u"Combo10", u"Combo11", u"Combo12", u"Text3"};

std::u16string_view selector(std::size_t rank)
{
    return focusOrder[rank + 3];
}

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX); // the test prefix's LogPixels
    ReleaseDC(nullptr, screen);
    return dpi;
}

SIZE clientSize(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// A caption fits when its text, wrapped at its width as a label wraps it,
// needs no more room than the control has.
bool captionFits(HWND control)
{
    RECT box;
    GetClientRect(control, &box);
    RECT needed = box;
    HDC dc = GetDC(control);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, windowText(control).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ReleaseDC(control, dc);
    return needed.right <= box.right && needed.bottom <= box.bottom;
}

void expectEveryCaptionWhole(const MainForm &form)
{
    for (const tavelin::ui::ControlSpec &row : tavelin::ui::controlTable()) {
        if (row.kind == tavelin::ui::ControlKind::Label || row.kind == tavelin::ui::ControlKind::Button) {
            EXPECT_EQ(windowText(form.control(row.name)), toWide(row.text));
            EXPECT_TRUE(captionFits(form.control(row.name))) << windowText(form.control(row.name));
        }
    }
}

std::u16string_view tableName(std::u16string_view control)
{
    const auto table = tavelin::ui::controlTable();
    return std::find_if(table.begin(), table.end(), [control](const auto &row) { return row.name == control; })
        ->accessibleName;
}

std::wstring accessibleName(HWND control)
{
    IAccessible *accessible = nullptr;
    AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void **>(&accessible));
    VARIANT self {}; // lVal 0 is CHILDID_SELF
    self.vt = VT_I4;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    accessible->Release();
    const std::wstring result(name, SysStringLen(name));
    SysFreeString(name);
    return result;
}

// What a selector shows in its field.
std::wstring shownText(HWND selector)
{
    COMBOBOXINFO parts {};
    parts.cbSize = sizeof parts;
    GetComboBoxInfo(selector, &parts);
    return windowText(parts.hwndItem);
}

// The pixels of a label that are not its background, as it paints itself.
std::vector<COLORREF> inkOf(HWND label)
{
    RECT box;
    GetClientRect(label, &box);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(box.right, box.bottom, 1, 32, nullptr);
    SelectObject(dc, bitmap);
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> ink;
    for (int pixel = 0; pixel < box.right * box.bottom; ++pixel) {
        const COLORREF colour = GetPixel(dc, pixel % box.right, pixel / box.right);
        if (colour != GetSysColor(COLOR_3DFACE))
            ink.push_back(colour);
    }
    DeleteDC(dc);
    DeleteObject(bitmap);
    return ink;
}

// Each message box as a timer sees it while it runs, before closing it:
// title, text, and each visible button or icon. Wine and Windows give the
// icon different ids.
std::vector<std::wstring> seenBox;

void CALLBACK inspectMessageBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box)
        return;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    seenBox.insert(seenBox.end(), {windowText(box), windowText(GetDlgItem(box, 0xFFFF))});
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] {};
        GetClassNameW(child, kind, 16);
        const bool icon = (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (IsWindowVisible(child) && lstrcmpiW(kind, L"Button") == 0)
            seenBox.push_back(L"button");
        else if (IsWindowVisible(child) && icon && SendMessageW(child, STM_GETICON, 0, 0))
            seenBox.push_back(L"icon");
    }
}

void setShift(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Posts a key to the focused control and delivers it through the dialog
// manager, as the program's message loop does; nothing else there needs
// TranslateMessage. Shift is held as the thread's keyboard state.
void pressKey(HWND form, WPARAM key, bool shift = false)
{
    setShift(shift);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        if (!tavelin::win32::translateFormMessage(form, message))
            DispatchMessageW(&message);
    }
    setShift(false);
}

// Types into the focused control; Enter types "\r", a multi-line box
// stores "\r\n".
void type(const std::wstring &text)
{
    for (wchar_t character : text) {
        if (character != L'\n')
            SendMessageW(GetFocus(), WM_CHAR, character, 1);
    }
}

// What a paste does; unlike WM_SETTEXT, it is held to the text limit.
void paste(const std::wstring &text)
{
    SendMessageW(GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// One window for all cases: under Wine each window takes seconds to close.
// With TAVELIN_WINDOWS7 set it runs as on Windows 7, without the
// per-window DPI functions. Every case starts after a reset.
class Win32Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form = std::make_unique<MainForm>(std::getenv("TAVELIN_WINDOWS7") ? DpiFunctions {}
                                                                          : DpiFunctions::fromSystem());
        form->show(SW_SHOWNORMAL);
        for (std::size_t rank = 1; rank <= 12; ++rank)
            shownAtStartUp.push_back(shownText(control(selector(rank))));
    }

    void SetUp() override
    {
        click(u"bt2");
        SetWindowTextW(control(u"Text3"), L"");
    }

    static int pixels(int twips) { return MulDiv(twips, systemDpi(), 1440); }
    static HWND control(std::u16string_view name) { return form->control(name); }
    static std::wstring text(std::u16string_view name) { return windowText(control(name)); }
    static void click(std::u16string_view button) { SendMessageW(control(button), BM_CLICK, 0, 0); }
    static void press(WPARAM key, bool shift = false) { pressKey(form->handle(), key, shift); }

    static void expectFocusOn(std::u16string_view name, std::size_t step)
    {
        HWND expected = control(name);
        EXPECT_TRUE(GetFocus() == expected || GetParent(GetFocus()) == expected) << step; // a selector's field
    }

    static inline std::unique_ptr<MainForm> form;
    static inline std::vector<std::wstring> shownAtStartUp;
};

} // namespace

// At this DPI: the client area and the controls scaled, the chosen font,
// each input named for screen readers, every caption whole, and the
// required mark drawn pure red unless high contrast is on.
TEST_F(Win32Window, LooksRightAtThisDpi)
{
    ASSERT_EQ(systemDpi(), std::atoi(std::getenv("TAVELIN_DPI")));
    EXPECT_EQ(clientSize(form->handle()).cx, pixels(7515));
    EXPECT_EQ(clientSize(form->handle()).cy, pixels(7170));
    RECT output;
    GetWindowRect(control(u"Text2"), &output);
    MapWindowPoints(HWND_DESKTOP, form->handle(), reinterpret_cast<POINT *>(&output), 2);
    const RECT expected = {pixels(480), pixels(5040), pixels(480) + pixels(6615), pixels(5040) + pixels(1935)};
    EXPECT_TRUE(EqualRect(&output, &expected));
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control(u"Text1"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Microsoft YaHei UI");
    expectEveryCaptionWhole(*form);
    // Wine names edits only, after the static before them.
    for (std::u16string_view edit : {u"Text1", u"Text2", u"Text3"})
        EXPECT_EQ(accessibleName(control(edit)), toWide(tableName(edit)));
    EXPECT_EQ(windowText(form->handle()), L"Tavelin");

    // Smoothed edges blend the ink into the background: red ink keeps its
    // red and leaves green and blue alike; the text colour is a grey.
    for (bool highContrast : {false, true}) {
        form->setHighContrastQuery(highContrast ? +[] { return true; } : +[] { return false; });
        const std::vector<COLORREF> ink = inkOf(control(u"Label2"));
        const COLORREF full = highContrast ? GetSysColor(COLOR_WINDOWTEXT) : RGB(255, 0, 0);
        EXPECT_NE(std::count(ink.begin(), ink.end(), full), 0) << highContrast;
        for (COLORREF colour : ink) {
            const bool grey = GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
            const bool reddish = GetRValue(colour) > GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
            EXPECT_TRUE(highContrast ? grey : reddish) << std::hex << colour;
        }
    }
    form->setHighContrastQuery(tavelin::win32::isHighContrastOn);
}

// The frame can be resized and maximized, as any main window.
TEST_F(Win32Window, HasASizableFrameWithMinimizeAndMaximize)
{
    const auto style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    for (LONG_PTR part : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_SYSMENU})
        EXPECT_EQ(style & part, part) << std::hex << part;
}

// Tab and Shift+Tab walk all stops and wrap around. Enter presses a focused
// button, which shows the message box; elsewhere it does nothing.
TEST_F(Win32Window, KeysWalkTheFocusOrderAndEnterPressesOnlyAFocusedButton)
{
    SetFocus(control(u"Text1"));
    for (std::size_t i = 1; i <= focusOrder.size(); ++i) {
        press(VK_TAB);
        expectFocusOn(focusOrder[i % focusOrder.size()], i);
    }
    for (std::size_t i = 1; i <= focusOrder.size(); ++i) {
        press(VK_TAB, true);
        expectFocusOn(focusOrder[(focusOrder.size() - i) % focusOrder.size()], i);
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, inspectMessageBox);
    SetFocus(control(u"Combo3"));
    type(L"水");
    press(VK_RETURN);
    SetFocus(control(u"Text1"));
    press(VK_RETURN);
    EXPECT_EQ(SendMessageW(control(u"Combo3"), CB_GETCOUNT, 0, 0), 12);
    SetFocus(control(u"bt1"));
    press(VK_RETURN);
    KillTimer(nullptr, timer);
    const std::wstring titleMissing = toWide(tavelin::RankingValidator::validate({})->message);
    EXPECT_EQ(seenBox, (std::vector<std::wstring> {L"Tavelin", titleMissing, L"button"}));
}

// Esc does nothing anywhere: twice in each box, after typing, and once more
// in a selector whose list it closes. The multi-line boxes once closed the
// window on it.
TEST_F(Win32Window, EscapeKeepsTheFormAsTyped)
{
    std::vector<std::wstring> typed;
    for (std::u16string_view name : focusOrder) {
        SetFocus(control(name));
        type(L"键");
        typed.push_back(text(name));
        press(VK_ESCAPE);
        press(VK_ESCAPE);
        ASSERT_TRUE(IsWindow(form->handle())) << "closed by Esc in " << toWide(name);
    }
    for (std::size_t stop = 0; stop < focusOrder.size(); ++stop)
        EXPECT_EQ(text(focusOrder[stop]), typed[stop]);
    EXPECT_EQ(text(u"Text3"), L"键");
    SetFocus(control(u"Combo5"));
    press(VK_F4);
    ASSERT_TRUE(SendMessageW(control(u"Combo5"), CB_GETDROPPEDSTATE, 0, 0));
    press(VK_ESCAPE);
    EXPECT_FALSE(SendMessageW(control(u"Combo5"), CB_GETDROPPEDSTATE, 0, 0));
    press(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(form->handle()));
}

// A title longer than its box, typed lines past what the custom text box
// shows, and pasted texts past an edit control's default limit all reach
// the ranking whole. The reset button, pressed from the keyboard, shows the
// placeholder in every selector again, as start-up did, with no list entry
// selected.
TEST_F(Win32Window, EnteredTextComesOutWholeAndResetRestoresThePlaceholders)
{
    tavelin::RankingSheet sheet;
    sheet.title = std::u16string(200, u'榜');
    for (char16_t line = u'甲'; line < u'甲' + 8; ++line)
        sheet.customText += std::u16string(60, line) + u"\r\n";
    const std::u16string pasted(33000, u'文');
    sheet.customText += pasted;
    SetFocus(control(u"Text1"));
    type(toWide(sheet.title));
    for (int rank = 1; rank <= 12; ++rank) {
        SetFocus(control(selector(static_cast<std::size_t>(rank))));
        for (int down = 0; down < rank; ++down)
            press(VK_DOWN);
        sheet.pick(rank) = tavelin::SignCatalogue::nameAt(rank);
    }
    paste(toWide(pasted)); // over the 12th sign, which the choice left selected
    sheet.pick(12) = pasted;
    SetFocus(control(u"Text3"));
    type(toWide(sheet.customText.substr(0, sheet.customText.size() - pasted.size())));
    paste(toWide(pasted));
    SetFocus(control(u"bt1"));
    press(VK_RETURN);
    const std::u16string expected
        = tavelin::RankingComposer::appendCustomText(tavelin::RankingComposer::compose(sheet), sheet.customText);
    EXPECT_EQ(text(u"Text1").size(), 200u);
    EXPECT_TRUE(text(u"Text2") == toWide(expected)) << text(u"Text2").size() << " code units, not " << expected.size();

    SetFocus(control(u"bt2"));
    press(VK_RETURN);
    const std::wstring placeholder = toWide(tavelin::Placeholder);
    for (std::size_t rank = 1; rank <= 12; ++rank) {
        EXPECT_EQ(shownAtStartUp[rank - 1], placeholder) << rank;
        EXPECT_EQ(shownText(control(selector(rank))), placeholder) << rank;
        EXPECT_EQ(SendMessageW(control(selector(rank)), CB_GETCURSEL, 0, 0), CB_ERR) << rank;
    }
}

namespace {

// Stand-ins for the DPI functions of each Windows, on a screen of another
// DPI than the system's.
UINT fakeDpi = 144;
HWND frameScaledFor = nullptr;

UINT WINAPI fakeWindowDpi(HWND)
{
    return fakeDpi;
}

HRESULT WINAPI fakeMonitorDpi(HMONITOR monitor, int, UINT *dpiX, UINT *dpiY)
{
    *dpiX = *dpiY = fakeDpi;
    return monitor ? S_OK : E_INVALIDARG;
}

BOOL WINAPI recordFrameScaling(HWND window)
{
    frameScaledFor = window;
    return TRUE;
}

// The window's client area is 752 x 717 pixels at 144 dpi on each path.
class DpiPaths : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(systemDpi(), 144); }

    static DpiFunctions windows10(DpiFunctions::ScaleFrame scaleFrame = nullptr)
    {
        return {fakeWindowDpi, DpiFunctions::fromSystem().adjustWindowRectExForDpi, nullptr, scaleFrame};
    }

    static void expectClientAreaAt144Dpi(const MainForm &form)
    {
        EXPECT_EQ(clientSize(form.handle()).cx, 752);
        EXPECT_EQ(clientSize(form.handle()).cy, 717);
    }

    static int iconWidth(const MainForm &form, WPARAM which)
    {
        ICONINFO parts {};
        GetIconInfo(reinterpret_cast<HICON>(SendMessageW(form.handle(), WM_GETICON, which, 0)), &parts);
        BITMAP colour {};
        GetObjectW(parts.hbmColor, sizeof colour, &colour);
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);
        return colour.bmWidth;
    }
};

} // namespace

// Windows 8.1 and 10 before 1607: the monitor the window opens on.
TEST_F(DpiPaths, Windows8_1TakesTheMonitorsDpi)
{
    expectClientAreaAt144Dpi(MainForm({nullptr, nullptr, fakeMonitorDpi, nullptr}));
}

// Windows 10 1607, per-monitor v1: the frame is asked to scale while the
// window is created; where it stays at the system DPI, the window makes up
// for it.
TEST_F(DpiPaths, Windows10_1607ScalesTheFrame)
{
    const MainForm form(windows10(recordFrameScaling));
    EXPECT_EQ(frameScaledFor, form.handle());
    expectClientAreaAt144Dpi(form);
}

TEST_F(DpiPaths, Windows10_1703TakesTheWindowsDpi)
{
    expectClientAreaAt144Dpi(MainForm(windows10()));
}

// Moved from a 96 dpi screen to a 144 dpi one, the window takes Windows'
// suggestion of where to go, and scales its layout, font and icons. With
// TAVELIN_HOLD_WINDOW set it stays open until closed, for a screenshot.
TEST_F(DpiPaths, MovedFrom96To144Dpi)
{
    fakeDpi = 96;
    MainForm form(windows10());
    form.show(SW_SHOWNORMAL);
    EXPECT_EQ(iconWidth(form, ICON_SMALL), 16);
    fakeDpi = 144;
    RECT suggested = {40, 30, 40 + 800, 30 + 800};
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT placed;
    GetWindowRect(form.handle(), &placed);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 30);
    expectClientAreaAt144Dpi(form);
    expectEveryCaptionWhole(form);
    EXPECT_EQ(iconWidth(form, ICON_BIG), 48);
    EXPECT_EQ(iconWidth(form, ICON_SMALL), 24);
    if (std::getenv("TAVELIN_HOLD_WINDOW"))
        tavelin::win32::runMessageLoop(form.handle());
}

// The program file, checked once; the test runs beside Tavelin.exe.
TEST(ProgramFile, VersionBlockInSimplifiedChinese)
{
    std::vector<char> block(GetFileVersionInfoSizeW(L"Tavelin.exe", nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(L"Tavelin.exe", 0, static_cast<DWORD>(block.size()), block.data()));
    const auto value = [&block](const std::wstring &name) {
        const std::wstring path = L"\\StringFileInfo\\080404B0\\" + name; // Simplified Chinese (PRC), Unicode
        wchar_t *found = nullptr;
        UINT length = 0;
        VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void **>(&found), &length);
        return std::wstring(found ? found : L"<missing>");
    };
    EXPECT_EQ(value(L"FileVersion"), TAVELIN_VERSION);
    EXPECT_EQ(value(L"ProductVersion"), TAVELIN_VERSION);
    EXPECT_EQ(value(L"ProductName"), L"Tavelin");
    EXPECT_EQ(value(L"InternalName"), L"Tavelin");
    EXPECT_EQ(value(L"OriginalFilename"), L"Tavelin.exe");
    WORD *language = nullptr;
    UINT length = 0;
    VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&language), &length);
    EXPECT_EQ(language[0], 0x0804);
    EXPECT_EQ(language[1], 1200);
}

namespace {

BOOL CALLBACK closeMainWindow(HWND window, LPARAM)
{
    wchar_t kind[32] {};
    GetClassNameW(window, kind, 32);
    if (lstrcmpW(kind, L"TavelinMainForm") == 0)
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); // what the frame's close button sends
    return TRUE;
}

} // namespace

// Closing the window ends the program, which exits with 0. Should it hang,
// it is ended after a while so that it does not outlive the test.
TEST(ProgramFile, ClosingTheWindowEndsTheProgram)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    std::wstring commandLine = L"Tavelin.exe";
    ASSERT_TRUE(
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForInputIdle(process.hProcess, INFINITE); // its window is up and waits for the user
    EnumThreadWindows(process.dwThreadId, closeMainWindow, 0);
    const DWORD ended = WaitForSingleObject(process.hProcess, 120000);
    EXPECT_EQ(ended, WAIT_OBJECT_0);
    if (ended != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
