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
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using tavelin::ui::focusOrder;
using tavelin::ui::selectorName;
using tavelin::win32::DpiFunctions;
using tavelin::win32::MainForm;
using tavelin::win32::toWide;
using tavelin::win32::windowText;

namespace {

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX); // the test prefix's LogPixels
    ReleaseDC(nullptr, screen);
    return dpi;
}

void expectClientArea(HWND window, int width, int height)
{
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
}

// A caption is whole when its text, wrapped at its width as a label wraps
// it, needs no more room than the control has.
void expectEveryCaptionWhole(const MainForm &form)
{
    for (const tavelin::ui::ControlSpec &row : tavelin::ui::controlTable()) {
        if (row.kind != tavelin::ui::ControlKind::Label && row.kind != tavelin::ui::ControlKind::Button)
            continue;
        HWND control = form.control(row.name);
        RECT box;
        GetClientRect(control, &box);
        RECT needed = box;
        HDC dc = GetDC(control);
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        DrawTextW(dc, windowText(control).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ReleaseDC(control, dc);
        EXPECT_EQ(windowText(control), toWide(row.text));
        EXPECT_TRUE(needed.right <= box.right && needed.bottom <= box.bottom) << windowText(control);
    }
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

// One window for all cases: under Wine each window takes seconds to close.
// With TAVELIN_WINDOWS7 set it runs as on Windows 7, without the DPI
// functions of later Windows. Every case starts after a reset.
class Win32Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form = std::make_unique<MainForm>(std::getenv("TAVELIN_WINDOWS7") ? DpiFunctions {}
                                                                          : DpiFunctions::fromSystem());
        form->setMessagePresenter([](HWND, const std::wstring &message) { shownMessages.push_back(message); });
        form->show(SW_SHOWNORMAL);
        for (int rank = 1; rank <= 12; ++rank)
            shownAtStartUp.push_back(shownText(control(selectorName(rank))));
    }

    void SetUp() override
    {
        SendMessageW(control(u"bt2"), BM_CLICK, 0, 0);
        SetWindowTextW(control(u"Text3"), L"");
    }

    static int pixels(int twips) { return MulDiv(twips, systemDpi(), 1440); }
    static HWND control(std::u16string_view name) { return form->control(name); }
    static std::wstring text(std::u16string_view name) { return windowText(control(name)); }

    // Posts a key to the focused control and delivers it through the
    // dialog manager, as the program's message loop does; nothing else
    // there needs TranslateMessage. Shift is held in the keyboard state.
    static void press(WPARAM key, bool shift = false)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            if (!tavelin::win32::translateFormMessage(form->handle(), message))
                DispatchMessageW(&message);
        }
    }

    // Types into the focused control; Enter types "\r", a multi-line box
    // stores "\r\n". A paste, unlike WM_SETTEXT, is held to the text limit.
    static void type(std::u16string_view text)
    {
        for (char16_t character : text) {
            if (character != u'\n')
                SendMessageW(GetFocus(), WM_CHAR, character, 1);
        }
    }
    static void paste(std::u16string_view text)
    {
        SendMessageW(GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(toWide(text).c_str()));
    }

    static void expectFocusOn(std::u16string_view name, std::size_t step)
    {
        EXPECT_TRUE(GetFocus() == control(name) || GetParent(GetFocus()) == control(name)) << step; // or its field
    }

    static inline std::unique_ptr<MainForm> form;
    static inline std::vector<std::wstring> shownAtStartUp;
    static inline std::vector<std::wstring> shownMessages;
};

} // namespace

// At this DPI: the client area and the controls scaled, the chosen font,
// the edits named for screen readers (Wine names only edits, after the
// static before them), every caption whole, and the required mark pure red
// unless high contrast is on.
TEST_F(Win32Window, LooksRightAtThisDpi)
{
    ASSERT_EQ(systemDpi(), std::atoi(std::getenv("TAVELIN_DPI")));
    expectClientArea(form->handle(), pixels(7515), pixels(7170));
    RECT output;
    GetWindowRect(control(u"Text2"), &output);
    MapWindowPoints(HWND_DESKTOP, form->handle(), reinterpret_cast<POINT *>(&output), 2);
    const RECT expected = {pixels(480), pixels(5040), pixels(480) + pixels(6615), pixels(5040) + pixels(1935)};
    EXPECT_TRUE(EqualRect(&output, &expected));
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control(u"Text1"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Microsoft YaHei UI");
    expectEveryCaptionWhole(*form);
    for (const tavelin::ui::ControlSpec &row : tavelin::ui::controlTable()) {
        if (row.kind == tavelin::ui::ControlKind::SingleLineText
            || row.kind == tavelin::ui::ControlKind::MultiLineText) {
            EXPECT_EQ(accessibleName(control(row.name)), toWide(row.accessibleName));
        }
    }
    // Smoothed edges blend the ink into the background: red ink keeps its
    // red and leaves green and blue alike; the text colour is a grey.
    for (bool highContrast : {false, true}) {
        form->setHighContrastQuery(highContrast ? +[] { return true; } : +[] { return false; });
        const std::vector<COLORREF> ink = inkOf(control(u"Label2"));
        EXPECT_NE(std::count(ink.begin(), ink.end(), highContrast ? GetSysColor(COLOR_WINDOWTEXT) : RGB(255, 0, 0)), 0);
        for (COLORREF colour : ink) {
            const bool blueAsGreen = GetGValue(colour) == GetBValue(colour);
            const bool grey = blueAsGreen && GetRValue(colour) == GetGValue(colour);
            EXPECT_TRUE(highContrast ? grey : blueAsGreen && GetRValue(colour) > GetGValue(colour)) << colour;
        }
    }
    form->setHighContrastQuery(tavelin::win32::isHighContrastOn);
}

// The frame can be resized, minimized and maximized, as any main window.
TEST_F(Win32Window, HasASizableFrame)
{
    const auto style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    for (LONG_PTR part : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_SYSMENU}) {
        EXPECT_EQ(style & part, part) << part;
    }
}

// Tab and Shift+Tab walk all stops and wrap around. Enter presses a focused
// button, whose message the window shows; elsewhere it does nothing.
TEST_F(Win32Window, KeysWalkTheFocusOrderAndEnterPressesOnlyAFocusedButton)
{
    const std::size_t stops = focusOrder().size();
    SetFocus(control(u"Text1"));
    for (std::size_t i = 1; i <= stops; ++i) {
        press(VK_TAB);
        expectFocusOn(focusOrder()[i % stops], i);
    }
    for (std::size_t i = 1; i <= stops; ++i) {
        press(VK_TAB, true);
        expectFocusOn(focusOrder()[(stops - i) % stops], i);
    }
    shownMessages.clear();
    SetFocus(control(u"Combo3"));
    type(u"水");
    press(VK_RETURN);
    SetFocus(control(u"Text1"));
    press(VK_RETURN);
    EXPECT_EQ(SendMessageW(control(u"Combo3"), CB_GETCOUNT, 0, 0), 12);
    SetFocus(control(u"bt1"));
    press(VK_RETURN);
    EXPECT_EQ(shownMessages, std::vector {toWide(tavelin::RankingValidator::validate({})->message)});
}

// Esc does nothing anywhere: twice at each stop, after typing, and in a
// selector whose list it closes. The multi-line boxes once closed the
// window on it.
TEST_F(Win32Window, EscapeKeepsTheFormAsTyped)
{
    std::vector<std::wstring> typed;
    for (std::u16string_view name : focusOrder()) {
        SetFocus(control(name));
        type(u"键");
        typed.push_back(text(name));
        press(VK_ESCAPE);
        press(VK_ESCAPE);
        ASSERT_TRUE(IsWindow(form->handle())) << "closed by Esc in " << toWide(name);
    }
    for (std::size_t stop = 0; stop < typed.size(); ++stop)
        EXPECT_EQ(text(focusOrder()[stop]), typed[stop]);
    EXPECT_EQ(text(u"Text3"), L"键");
    SetFocus(control(u"Combo5"));
    press(VK_F4);
    ASSERT_TRUE(SendMessageW(control(u"Combo5"), CB_GETDROPPEDSTATE, 0, 0));
    press(VK_ESCAPE);
    EXPECT_FALSE(SendMessageW(control(u"Combo5"), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindow(form->handle()));
}

// A title longer than its box, typed lines past what the custom text box
// shows, and pasted texts past an edit control's default limit all reach
// the ranking whole. Reset, pressed from the keyboard, shows the
// placeholder in every selector again, as start-up did, with no entry
// selected.
TEST_F(Win32Window, EnteredTextComesOutWholeAndResetShowsThePlaceholders)
{
    tavelin::RankingSheet sheet;
    sheet.title = std::u16string(200, u'榜');
    for (char16_t line = u'甲'; line < u'甲' + 8; ++line)
        sheet.customText += std::u16string(60, line) + u"\r\n";
    const std::u16string pasted(33000, u'文');
    SetFocus(control(u"Text1"));
    type(sheet.title);
    for (int rank = 1; rank <= 12; ++rank) {
        SetFocus(control(selectorName(rank)));
        for (int down = 0; down < rank; ++down)
            press(VK_DOWN);
        sheet.pick(rank) = tavelin::SignCatalogue::nameAt(rank);
    }
    paste(pasted); // over the 12th sign, which the choice left selected
    sheet.pick(12) = pasted;
    SetFocus(control(u"Text3"));
    type(sheet.customText);
    paste(pasted);
    sheet.customText += pasted;
    SetFocus(control(u"bt1"));
    press(VK_RETURN);
    const auto expected = toWide(
        tavelin::RankingComposer::appendCustomText(tavelin::RankingComposer::compose(sheet), sheet.customText));
    EXPECT_TRUE(text(u"Text2") == expected) << text(u"Text2").size() << " code units, not " << expected.size();

    SetFocus(control(u"bt2"));
    press(VK_RETURN);
    for (int rank = 1; rank <= 12; ++rank) {
        EXPECT_EQ(shownAtStartUp[static_cast<std::size_t>(rank - 1)], toWide(tavelin::Placeholder)) << rank;
        EXPECT_EQ(shownText(control(selectorName(rank))), toWide(tavelin::Placeholder)) << rank;
        EXPECT_EQ(SendMessageW(control(selectorName(rank)), CB_GETCURSEL, 0, 0), CB_ERR) << rank;
    }
}

namespace {

// Stand-ins for the DPI functions of each Windows, on a 144 dpi screen of a
// system whose DPI is another.
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

DpiFunctions windows10(DpiFunctions::ScaleFrame scaleFrame = nullptr)
{
    return {fakeWindowDpi, DpiFunctions::fromSystem().adjustWindowRectExForDpi, nullptr, scaleFrame};
}

int iconWidth(const MainForm &form, WPARAM which)
{
    ICONINFO parts {};
    GetIconInfo(reinterpret_cast<HICON>(SendMessageW(form.handle(), WM_GETICON, which, 0)), &parts);
    BITMAP colour {};
    GetObjectW(parts.hbmColor, sizeof colour, &colour);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return colour.bmWidth;
}

} // namespace

// The client area is 752 x 717 pixels at 144 dpi on each Windows' path:
// Windows 8.1 takes the monitor's DPI; Windows 10 1607 (per-monitor v1)
// asks the frame to scale and makes up for a frame that stays as it was;
// 1703 takes the window's DPI. Windows 7's is the 144 dpi window run.
TEST(DpiPaths, EachWindowsOpensAt144Dpi)
{
    ASSERT_NE(systemDpi(), 144);
    expectClientArea(MainForm({nullptr, nullptr, fakeMonitorDpi, nullptr}).handle(), 752, 717);
    const MainForm windows10_1607(windows10(recordFrameScaling));
    EXPECT_EQ(frameScaledFor, windows10_1607.handle());
    expectClientArea(windows10_1607.handle(), 752, 717);
    expectClientArea(MainForm(windows10()).handle(), 752, 717);
}

// Moved from a 96 dpi screen to a 144 dpi one, the window goes where
// Windows suggests and scales its layout, font and icons. With
// TAVELIN_HOLD_WINDOW set it stays open until closed, for a screenshot.
TEST(DpiPaths, MovedFrom96To144Dpi)
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
    expectClientArea(form.handle(), 752, 717);
    expectEveryCaptionWhole(form);
    EXPECT_EQ(iconWidth(form, ICON_BIG), 48);
    EXPECT_EQ(iconWidth(form, ICON_SMALL), 24);
    if (std::getenv("TAVELIN_HOLD_WINDOW"))
        tavelin::win32::runMessageLoop(form.handle());
}

// The program file, once; the test runs beside Tavelin.exe.
TEST(ProgramFile, VersionBlockInSimplifiedChinese)
{
    std::vector<char> block(GetFileVersionInfoSizeW(L"Tavelin.exe", nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(L"Tavelin.exe", 0, static_cast<DWORD>(block.size()), block.data()));
    const auto value = [&block](const std::wstring &path) {
        void *found = nullptr;
        UINT length = 0;
        VerQueryValueW(block.data(), path.c_str(), &found, &length);
        return found ? static_cast<const wchar_t *>(found) : L"<missing>";
    };
    std::wstring strings;
    for (const wchar_t *name :
         {L"FileVersion", L"ProductVersion", L"ProductName", L"InternalName", L"OriginalFilename"})
        strings += value(std::wstring(L"\\StringFileInfo\\080404B0\\") + name) + std::wstring(L"|"); // zh-CN, Unicode
    EXPECT_EQ(strings, TAVELIN_VERSION L"|" TAVELIN_VERSION L"|Tavelin|Tavelin|Tavelin.exe|");
    EXPECT_EQ(std::wstring(value(L"\\VarFileInfo\\Translation"), 2), std::wstring({0x0804, 1200}));
}

// Closing the window ends the program: its message loop returns 0. Were it
// to run on, a timer would end it with another code.
TEST(ProgramFile, ClosingTheWindowEndsTheMessageLoop)
{
    MainForm form;
    form.show(SW_SHOWNORMAL);
    PostMessageW(form.handle(), WM_SYSCOMMAND, SC_CLOSE, 0); // what the frame's close button sends
    const UINT_PTR timer = SetTimer(nullptr, 0, 60000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
    EXPECT_EQ(tavelin::win32::runMessageLoop(form.handle()), 0);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(IsWindow(form.handle()));
}
