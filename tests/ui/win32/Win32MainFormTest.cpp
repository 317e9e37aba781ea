#include "Win32MainForm.h"
#include "RankingComposer.h"
#include "SampleSheets.h"
#include "Win32Controls.h"
#include "Win32Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>
#include <uiautomationcore.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace tavelin;
using namespace tavelin::ui;
using namespace tavelin::win32;

namespace {

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
    for (const ControlSpec &row : controlTable()) {
        if (row.kind != ControlKind::Label && row.kind != ControlKind::Button)
            continue;
        HWND control = form.control(row.name);
        RECT box;
        GetClientRect(control, &box);
        RECT needed = box;
        HDC dc = GetDC(control);
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        DrawTextW(dc, windowText(control).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ReleaseDC(control, dc);
        EXPECT_TRUE(needed.right <= box.right && needed.bottom <= box.bottom) << windowText(control);
    }
}

std::wstring asText(BSTR text)
{
    return {text, SysStringLen(text)};
}

// What MSAA reads of an object, as a screen reader does: by default the name
// of a control's client area.
std::wstring readByMsaa(HWND window, decltype(&IAccessible::get_accName) read = &IAccessible::get_accName,
                        DWORD object = OBJID_CLIENT, DWORD child = CHILDID_SELF)
{
    IAccessible *accessible = nullptr;
    VARIANT item {};
    BSTR text = nullptr;
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &item))) {
        (accessible->*read)(item, &text);
        accessible->Release();
    }
    const std::wstring result = asText(text);
    SysFreeString(text);
    return result;
}

// For scripts/pictures.sh, which sets TAVELIN_PICTURES, a folder that is a
// Linux path, Z: to Wine.
std::ofstream pictureFile(const std::string &file, std::ios::openmode mode = std::ios::out)
{
    return std::ofstream(std::string("Z:") + std::getenv("TAVELIN_PICTURES") + "/" + file, mode);
}

// Copies a window, frame included, into dc, where it lies from origin.
void copyWindow(HWND window, HDC dc, POINT origin)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT box;
    GetWindowRect(window, &box);
    HDC shown = GetWindowDC(window);
    BitBlt(dc, box.left - origin.x, box.top - origin.y, box.right - box.left, box.bottom - box.top, shown, 0, 0,
           SRCCOPY);
    ReleaseDC(window, shown);
}

// A control in a picture: its name, and its window.
using PictureControl = std::pair<std::string, HWND>;

// The window's client area, with any popup over it, saved as <name>.bmp,
// and, in controls.list, where the given controls lie in it, listed from the
// bottom up. The caret, which blinks, is hidden.
void savePicture(const char *name, HWND window, const std::vector<PictureControl> &controls, HWND popup = nullptr)
{
    RECT area;
    GetClientRect(window, &area);
    POINT origin {};
    ClientToScreen(window, &origin);
    BITMAPINFOHEADER info {sizeof info, area.right, -area.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *pixels = nullptr;
    HBITMAP bitmap
        = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    HideCaret(nullptr);
    copyWindow(window, dc, origin);
    if (popup)
        copyWindow(popup, dc, origin);
    ShowCaret(nullptr);
    GdiFlush();
    const DWORD size = (area.right * 3 + 3) / 4 * 4 * area.bottom, headers = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file {0x4D42, headers + size, 0, 0, headers};
    auto out = pictureFile(std::string(name) + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char *>(&file), sizeof file);
    out.write(reinterpret_cast<const char *>(&info), sizeof info);
    out.write(static_cast<const char *>(pixels), size);
    DeleteDC(dc);
    DeleteObject(bitmap);
    auto list = pictureFile("controls.list", std::ios::app);
    for (const auto &[control, handle] : controls) {
        RECT box;
        GetWindowRect(handle, &box);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&box), 2);
        list << name << ' ' << box.left << ' ' << box.top << ' ' << box.right - box.left << ' ' << box.bottom - box.top
             << ' ' << control << '\n';
    }
}

// What the window asks of oleacc's annotation, on each control, and of UI
// Automation's notification, neither of which Wine carries out, as text (the
// annotations go on to the system); and the live region changes that a
// screen reader's out-of-context WinEvent hook in this process hears, with
// what MSAA reads of the object: its value.
std::map<HWND, std::vector<std::wstring>> propertiesSet;
using Calls = std::vector<std::pair<HWND, std::wstring>>;
Calls notifications, liveRegionChanges;

// The property by its GUID, the value by its type (a BSTR 8, a
// VARIANT_BOOL 11, a long 3) and its value.
HRESULT recordProperty(HWND control, const GUID &property, const VARIANT &value)
{
    wchar_t id[40];
    StringFromGUID2(property, id, 40);
    const std::wstring shown = value.vt == VT_BSTR ? asText(value.bstrVal)
                                                   : std::to_wstring(value.vt == VT_BOOL ? value.boolVal : value.lVal);
    propertiesSet[control].push_back(id + (L" " + std::to_wstring(value.vt) + L" " + shown));
    return ScreenReaderCalls::fromSystem().setProperty(control, property, value);
}

HRESULT WINAPI recordNotification(IRawElementProviderSimple *provider, int kind, int processing, BSTR text,
                                  BSTR activity)
{
    VARIANT window {};
    provider->GetPropertyValue(30020, &window); // UIA_NativeWindowHandlePropertyId
    notifications.emplace_back(reinterpret_cast<HWND>(static_cast<LONG_PTR>(window.lVal)),
                               std::to_wstring(kind) + L" " + std::to_wstring(processing) + L" " + asText(activity)
                                   + L" " + asText(text));
    return S_OK;
}

void CALLBACK noteLiveRegionChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    liveRegionChanges.emplace_back(window, readByMsaa(window, &IAccessible::get_accValue, object, child));
}

// EVENT_OBJECT_LIVEREGIONCHANGED, heard while the action runs: it arrives
// as this thread takes its messages.
template <typename Action> Calls liveRegionChangesDuring(Action action)
{
    liveRegionChanges.clear();
    HWINEVENTHOOK hook = SetWinEventHook(0x8019, 0x8019, nullptr, noteLiveRegionChange, GetCurrentProcessId(), 0,
                                         WINEVENT_OUTOFCONTEXT);
    action();
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageW(&message);
    UnhookWinEvent(hook);
    return liveRegionChanges;
}

// Polled until the real message box is open; then pictured and closed. Its
// title lies outside the picture, so it is read here.
void CALLBACK pictureAndCloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box)
        return;
    KillTimer(nullptr, timer);
    EXPECT_EQ(windowText(box), L"Tavelin");
    savePicture("message", box, {{"message box", box}});
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// One window for all cases: under Wine each window takes seconds to close.
// With TAVELIN_WINDOWS7 set it runs as on Windows 7, without the DPI
// functions of later Windows. Its screen reader calls are the system's, with
// recorders where Wine does nothing and a notification as on Windows 10 1709
// and later. Every case starts after a reset.
class Win32Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form = std::make_unique<MainForm>(
            std::getenv("TAVELIN_WINDOWS7") ? DpiFunctions {} : DpiFunctions::fromSystem(),
            ScreenReaderCalls {recordProperty, ScreenReaderCalls::fromSystem().hostProviderFromHwnd,
                               recordNotification});
        form->setMessagePresenter([](HWND, const std::wstring &) { ++messagesShown; });
        form->show(SW_SHOWNORMAL);
        for (int rank = 1; rank <= 12; ++rank) // as the load left them; the pictures, as a reset does
            EXPECT_EQ(text(selectorName(rank)), toWide(Placeholder)) << "at start-up, place " << rank;
    }

    // Closing the window, as its close button does, ends the program: its
    // message loop returns 0. Were it to run on, a timer would end it.
    static void TearDownTestSuite()
    {
        PostMessageW(form->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        SetTimer(nullptr, 0, 60000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
        EXPECT_EQ(runMessageLoop(form->handle()), 0);
        form.reset();
    }

    void SetUp() override
    {
        SendMessageW(control(u"bt2"), BM_CLICK, 0, 0);
        SetWindowTextW(control(u"Text3"), L"");
    }

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
            if (!translateFormMessage(form->handle(), message))
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

    // Down from no selection: the rank-th press picks the rank-th sign.
    static void pickSignsInCatalogueOrder()
    {
        for (int rank = 1; rank <= 12; ++rank) {
            SetFocus(control(selectorName(rank)));
            for (int down = 0; down < rank; ++down)
                press(VK_DOWN);
        }
    }

    static inline std::unique_ptr<MainForm> form;
    static inline int messagesShown = 0;
};

} // namespace

// At this DPI: a sizable frame, the client area scaled, the chosen font and
// every caption whole. At 96 and 144 dpi the pictures hold all of it but the
// frame and the font's name, and the layout within.
TEST_F(Win32Window, LooksRightAtThisDpi)
{
    const auto pixels = [](int twips) { return MulDiv(twips, std::atoi(std::getenv("TAVELIN_DPI")), 1440); };
    const LONG_PTR frame = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU; // sizable, as any main window
    EXPECT_EQ(GetWindowLongPtrW(form->handle(), GWL_STYLE) & frame, frame);
    expectClientArea(form->handle(), pixels(7515), pixels(7170));
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control(u"Text1"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Microsoft YaHei UI");
    expectEveryCaptionWhole(*form);
}

// Tab and Shift+Tab walk all stops and wrap around. Enter presses a focused
// button, whose message the window shows; elsewhere it does nothing.
TEST_F(Win32Window, KeysWalkTheFocusOrderAndEnterPressesOnlyAFocusedButton)
{
    const std::size_t stops = focusOrder().size();
    SetFocus(control(u"Text1"));
    for (std::size_t i = 1; i <= 2 * stops; ++i) {
        const bool back = i > stops;
        press(VK_TAB, back);
        HWND expected = control(focusOrder()[(back ? 2 * stops - i : i) % stops]);
        EXPECT_TRUE(GetFocus() == expected || GetParent(GetFocus()) == expected) << i; // or a selector's field
    }
    messagesShown = 0;
    for (std::u16string_view name : {u"Text1", u"Combo3", u"Text3", u"bt1"}) {
        SetFocus(control(name));
        press(VK_RETURN);
    }
    EXPECT_EQ(messagesShown, 1) << "the empty title's, from bt1 alone";
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
    SetFocus(control(u"Combo5"));
    press(VK_F4);
    ASSERT_TRUE(SendMessageW(control(u"Combo5"), CB_GETDROPPEDSTATE, 0, 0));
    press(VK_ESCAPE);
    EXPECT_FALSE(SendMessageW(control(u"Combo5"), CB_GETDROPPEDSTATE, 0, 0));
}

// A title longer than its box, typed lines past what the custom text box
// shows, and pasted texts past an edit control's default limit all reach
// the ranking whole. Reset, pressed from the keyboard, leaves no entry
// selected in any selector.
TEST_F(Win32Window, EnteredTextComesOutWholeAndResetLeavesNoEntrySelected)
{
    RankingSheet sheet = tavelin::testing::catalogueOrderSheet(std::u16string(200, u'榜'));
    for (char16_t line = u'甲'; line < u'甲' + 8; ++line)
        sheet.customText += std::u16string(60, line) + u"\r\n";
    const std::u16string pasted(33000, u'文');
    SetFocus(control(u"Text1"));
    type(sheet.title);
    pickSignsInCatalogueOrder();
    paste(pasted); // over the 12th sign, which the choice left selected
    sheet.pick(12) = pasted;
    SetFocus(control(u"Text3"));
    type(sheet.customText);
    paste(pasted);
    sheet.customText += pasted;
    SetFocus(control(u"bt1"));
    press(VK_RETURN);
    const auto expected = toWide(RankingComposer::compose(sheet) + sheet.customText);
    EXPECT_TRUE(text(u"Text2") == expected) << text(u"Text2").size() << " code units, not " << expected.size();

    SetFocus(control(u"bt2"));
    press(VK_RETURN);
    for (int rank = 1; rank <= 12; ++rank)
        EXPECT_EQ(SendMessageW(control(selectorName(rank)), CB_GETCURSEL, 0, 0), CB_ERR) << rank;
}

// Beyond what Windows knows of the controls: each input's name, the title's
// description and that it is required, and the output box as a polite live
// region. Wine keeps none of it, so the calls are read as made. What Wine
// does name, the edits, it names after the static just before each.
TEST_F(Win32Window, ScreenReadersAreToldNamesTheRequiredTitleAndTheLiveOutput)
{
    const std::wstring name = L"{608D3DF8-8128-4AA7-A428-F55E49267291} 8 "; // PROPID_ACC_NAME
    EXPECT_EQ(propertiesSet[control(u"Text1")],
              (std::vector<std::wstring> {name + L"排行榜的名字", L"{4D48DFE4-BD3F-491F-A648-492D6F20C588} 8 * 必填",
                                          L"{4F5F43CF-59FB-4BDE-A270-602E5E1141E9} 11 -1"})); // IsRequiredForForm, true
    EXPECT_EQ(
        propertiesSet[control(u"Text2")],
        (std::vector<std::wstring> {name + L"生成的排行榜", L"{C12BCD8E-2A8E-4950-8AE7-3625111D58EB} 3 1"})); // polite
    EXPECT_EQ(propertiesSet[control(u"Combo7")], std::vector<std::wstring> {name + L"第七名"});
    EXPECT_EQ(
        (std::vector {readByMsaa(control(u"Text1")), readByMsaa(control(u"Text3")), readByMsaa(control(u"Text2"))}),
        (std::vector<std::wstring> {L"排行榜的名字", L"自定义文本", L"生成的排行榜"}));
}

// A new ranking is heard once, the focus staying where it was: the output
// box reports a live region change and UI Automation's notification (an
// action completed; a newer one replaces it unread) carries the ranking.
// After a failed check only the message box is heard. Where there is no
// notification, before Windows 10 1709 and under Wine 8, the live region
// is heard alone.
TEST_F(Win32Window, ANewRankingIsHeardOnceAndAFailedCheckOnlyByItsBox)
{
    notifications.clear();
    SetFocus(control(u"bt1"));
    EXPECT_TRUE(liveRegionChangesDuring([] { press(VK_RETURN); }).empty() && notifications.empty());
    SetWindowTextW(control(u"Text1"), L"本周运势");
    for (int rank = 1; rank <= 12; ++rank)
        SetWindowTextW(control(selectorName(rank)), toWide(SignCatalogue::nameAt(rank)).c_str());
    const Calls heard = liveRegionChangesDuring([] { press(VK_RETURN); });
    const std::wstring ranking = text(u"Text2");
    EXPECT_EQ(heard, (Calls {{control(u"Text2"), ranking}}));
    EXPECT_EQ(notifications, (Calls {{control(u"Text2"), L"2 3 Tavelin.NewRanking " + ranking}}));
    EXPECT_EQ(GetFocus(), control(u"bt1"));

    const ScreenReaderCalls system = ScreenReaderCalls::fromSystem();
    ASSERT_EQ(system.raiseNotification, nullptr);
    EXPECT_EQ(liveRegionChangesDuring([&system] { system.announce(control(u"Text2"), u"榜"); }),
              (Calls {{control(u"Text2"), ranking}}));
}

// For scripts/pictures.sh: opened, also with high contrast on (the required
// mark in the text colour, not red), generated (the ranking wraps), a list
// open over the window and the real message box (the title Tavelin, one
// 确定 button, no icon), with the Wine that drew them.
TEST_F(Win32Window, Pictures)
{
    if (!std::getenv("TAVELIN_PICTURES"))
        GTEST_SKIP() << "taken for scripts/pictures.sh only";
    const auto wineVersion = reinterpret_cast<const char *(*)()>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
    pictureFile("versions.list") << "Wine " << (wineVersion ? wineVersion() : "none") << '\n';
    std::vector<PictureControl> controls;
    for (const ControlSpec &row : controlTable())
        controls.emplace_back(std::string(row.name.begin(), row.name.end()), control(row.name));
    SetFocus(control(u"Text1"));
    savePicture("opened", form->handle(), controls);
    form->setHighContrastQuery(+[] { return true; });
    savePicture("opened-high-contrast", form->handle(), controls);
    form->setHighContrastQuery(isHighContrastOn);
    type(u"本周运势");
    pickSignsInCatalogueOrder();
    SetFocus(control(u"Text3"));
    type(u"快来评论");
    SendMessageW(control(u"bt1"), BM_CLICK, 0, 0);
    savePicture("generated", form->handle(), controls);
    COMBOBOXINFO list {};
    list.cbSize = sizeof list;
    GetComboBoxInfo(control(u"Combo5"), &list);
    SendMessageW(control(u"Combo5"), CB_SHOWDROPDOWN, TRUE, 0);
    controls.emplace_back("Combo5 list", list.hwndList);
    savePicture("list", form->handle(), controls, list.hwndList);
    SendMessageW(control(u"Combo5"), CB_SHOWDROPDOWN, FALSE, 0);
    form->setMessagePresenter(showModalMessage);
    SetWindowTextW(control(u"Text1"), L"");
    SetTimer(nullptr, 0, 20, pictureAndCloseMessageBox);
    SendMessageW(control(u"bt1"), BM_CLICK, 0, 0);
}

namespace {

// Stand-ins for the DPI functions of each Windows, on a 144 dpi screen of a
// system whose DPI is another. On x64 they need no calling convention.
UINT fakeDpi = 144;
HWND frameScaledFor = nullptr;

DpiFunctions windows10(DpiFunctions::ScaleFrame scaleFrame = nullptr)
{
    return {[](HWND) { return fakeDpi; }, DpiFunctions::fromSystem().adjustWindowRectExForDpi, nullptr, scaleFrame};
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
// takes the window's, asks the frame to scale and makes up for a frame that
// stays as it was. 1703, which takes the window's DPI alone, is the window
// moved below; Windows 7's path is that of the 144 dpi pictures.
TEST(DpiPaths, EachWindowsOpensAt144Dpi)
{
    ASSERT_STRNE(std::getenv("TAVELIN_DPI"), "144") << "the stand-ins' DPI must not be the system's";
    const auto monitorDpi = [](HMONITOR monitor, int, UINT *dpiX, UINT *dpiY) {
        *dpiX = *dpiY = fakeDpi;
        return monitor ? S_OK : E_INVALIDARG;
    };
    expectClientArea(MainForm({nullptr, nullptr, monitorDpi, nullptr}).handle(), 752, 717);
    const auto recordFrameScaling = [](HWND window) {
        frameScaledFor = window;
        return TRUE;
    };
    const MainForm windows10_1607(windows10(recordFrameScaling));
    EXPECT_EQ(frameScaledFor, windows10_1607.handle());
    expectClientArea(windows10_1607.handle(), 752, 717);
}

// Moved from a 96 dpi screen to a 144 dpi one, the window scales its
// layout, font and icons. With TAVELIN_HOLD_WINDOW set it stays open until
// closed, for a screenshot.
TEST(DpiPaths, MovedFrom96To144Dpi)
{
    fakeDpi = 96;
    MainForm form(windows10());
    form.show(SW_SHOWNORMAL);
    fakeDpi = 144;
    RECT suggested = {40, 30, 40 + 800, 30 + 800};
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    expectClientArea(form.handle(), 752, 717);
    expectEveryCaptionWhole(form);
    EXPECT_EQ(iconWidth(form, ICON_BIG), 48);
    EXPECT_EQ(iconWidth(form, ICON_SMALL), 24);
    if (std::getenv("TAVELIN_HOLD_WINDOW"))
        runMessageLoop(form.handle());
}
