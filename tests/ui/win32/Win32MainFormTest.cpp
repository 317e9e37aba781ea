#include "Win32MainForm.h"
#include "Win32Controls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using tavelin::win32::windowText;

namespace {

// Combo1 to Combo12 are focusOrder[4] to focusOrder[15].
const std::array<std::u16string_view, 17> focusOrder
    = {u"Text1",  u"Text2",  u"bt1",    u"bt2",    u"Combo1",  u"Combo2",  u"Combo3",  u"Combo4", u"Combo5",
       u"Combo6", u"Combo7", u"Combo8", u"Combo9", u"Combo10", u"Combo11", u"Combo12", u"Text3"};

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

// One window for all cases: under Wine each window takes seconds to close.
// With TAVELIN_WINDOWS7 set it runs as on Windows 7, without the
// per-window DPI functions. Every case starts after a reset.
class Win32Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        using tavelin::win32::DpiFunctions;
        const auto dpiFunctions = std::getenv("TAVELIN_WINDOWS7") ? DpiFunctions {} : DpiFunctions::fromSystem();
        form = std::make_unique<tavelin::win32::MainForm>(nullptr, nullptr, dpiFunctions);
        form->show(SW_SHOWNORMAL);
        HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSX); // the test prefix's LogPixels
        ReleaseDC(nullptr, screen);
    }

    void SetUp() override { click(u"bt2"); }

    static int pixels(int twips) { return MulDiv(twips, dpi, 1440); }
    static HWND control(std::u16string_view name) { return form->control(name); }
    static std::wstring text(std::u16string_view name) { return windowText(control(name)); }
    static void click(std::u16string_view button) { SendMessageW(control(button), BM_CLICK, 0, 0); }

    // What a paste does; unlike WM_SETTEXT, it is held to the text limit.
    static void paste(const std::wstring &text)
    {
        SendMessageW(GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // Posts a key to the focused control and delivers it through the dialog
    // manager, as the program's message loop does; nothing else there
    // needs TranslateMessage.
    static void pressKey(WPARAM key)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            if (!tavelin::win32::translateFormMessage(form->handle(), message))
                DispatchMessageW(&message);
        }
    }

    // Types into the focused control; Enter types "\r", a multi-line box
    // stores "\r\n".
    static void type(const std::wstring &text)
    {
        for (wchar_t character : text) {
            if (character != L'\n')
                SendMessageW(GetFocus(), WM_CHAR, character, 1);
        }
    }

    static inline std::unique_ptr<tavelin::win32::MainForm> form;
    static inline int dpi = 96;
};

} // namespace

// At this DPI: the client area and the controls scaled, the chosen font,
// each input named by the caption before it, every caption fitting its box,
// and the required mark drawn pure red.
TEST_F(Win32Window, LooksRightAtThisDpi)
{
    ASSERT_EQ(dpi, std::atoi(std::getenv("TAVELIN_DPI")));
    RECT client;
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, pixels(7515));
    EXPECT_EQ(client.bottom, pixels(7170));
    RECT output;
    GetWindowRect(control(u"Text2"), &output);
    MapWindowPoints(HWND_DESKTOP, form->handle(), reinterpret_cast<POINT *>(&output), 2);
    const RECT expected = {pixels(480), pixels(5040), pixels(480) + pixels(6615), pixels(5040) + pixels(1935)};
    EXPECT_TRUE(EqualRect(&output, &expected));
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control(u"Text1"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Microsoft YaHei UI");
    const std::array<std::wstring, 12> rankCaptions
        = {L"第一名：", L"第二名：", L"第三名：", L"第四名：", L"第五名：",   L"第六名：",
           L"第七名：", L"第八名：", L"第九名：", L"第十名：", L"第十一名：", L"第十二名："};
    for (std::size_t rank = 1; rank <= 12; ++rank) {
        HWND caption = GetWindow(control(focusOrder[rank + 3]), GW_HWNDPREV); // what screen readers name it after
        EXPECT_EQ(windowText(caption), rankCaptions[rank - 1]);
        EXPECT_TRUE(captionFits(caption)) << rank;
    }
    EXPECT_EQ(accessibleName(control(u"Text1")), L"请输入排行榜的名字：");
    EXPECT_EQ(accessibleName(control(u"Text3")), L"自\r\n定\r\n义\r\n文\r\n本");
    EXPECT_EQ(accessibleName(control(u"Text2")), L"生成的排行榜");
    std::wstring captions;
    for (std::u16string_view name : {u"Label1", u"Label2", u"Label4", u"bt1", u"bt2"}) {
        EXPECT_TRUE(captionFits(control(name))) << text(name);
        captions += text(name) + L"|";
    }
    EXPECT_EQ(captions, L"请输入排行榜的名字：|* 必填|自\r\n定\r\n义\r\n文\r\n本|生成排行榜|重置|");
    EXPECT_EQ(windowText(form->handle()), L"Tavelin");

    RECT box;
    GetClientRect(control(u"Label2"), &box);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(box.right, box.bottom, 1, 32, nullptr);
    SelectObject(dc, bitmap);
    SendMessageW(control(u"Label2"), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    // Smoothed edges blend the red ink into the background: less green, as
    // much blue. Any other pixel is ink of another colour.
    int redPixels = 0;
    for (int pixel = 0; pixel < box.right * box.bottom; ++pixel) {
        const COLORREF colour = GetPixel(dc, pixel % box.right, pixel / box.right);
        const bool reddish = GetRValue(colour) >= GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
        EXPECT_TRUE(colour == GetSysColor(COLOR_3DFACE) || reddish) << std::hex << colour;
        redPixels += colour == RGB(255, 0, 0);
    }
    EXPECT_GT(redPixels, 0);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

// Enter presses a focused button, which shows the message box; elsewhere it
// does nothing.
TEST_F(Win32Window, TabWalksTheFocusOrderAndEnterPressesOnlyAFocusedButton)
{
    SetFocus(control(u"Text1"));
    for (std::size_t i = 1; i <= focusOrder.size(); ++i) {
        pressKey(VK_TAB);
        HWND expected = control(focusOrder[i % focusOrder.size()]);
        EXPECT_TRUE(GetFocus() == expected || GetParent(GetFocus()) == expected) << i << " tabs"; // a selector's field
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, inspectMessageBox);
    SetFocus(control(u"Combo3"));
    type(L"水");
    pressKey(VK_RETURN);
    SetFocus(control(u"Text1"));
    pressKey(VK_RETURN);
    EXPECT_EQ(SendMessageW(control(u"Combo3"), CB_GETCOUNT, 0, 0), 12);
    SetFocus(control(u"bt1"));
    pressKey(VK_RETURN);
    KillTimer(nullptr, timer);
    EXPECT_EQ(seenBox, (std::vector<std::wstring> {L"Tavelin", L"请填写排行榜标题！", L"button"}));
}

// Typed lines go past what the custom text box shows, pasted texts past an
// edit control's default limit. A reset leaves no list entry selected.
TEST_F(Win32Window, EnteredTextComesOutWhole)
{
    std::wstring typed;
    for (wchar_t line = L'甲'; line < L'甲' + 8; ++line)
        typed += std::wstring(60, line) + L"\r\n";
    const std::wstring pasted(33000, L'文');
    SetFocus(control(u"Text1"));
    type(L"本周运势");
    for (std::size_t rank = 1; rank <= 12; ++rank) {
        SetFocus(control(focusOrder[rank + 3]));
        for (std::size_t down = 0; down < rank; ++down)
            pressKey(VK_DOWN);
    }
    paste(pasted); // over 摩羯座, which the choice left selected
    SetFocus(control(u"Text3"));
    type(typed);
    paste(pasted);
    click(u"bt1");
    const std::wstring expected = L"【本周运势】第一名：水瓶座  第二名：双鱼座  第三名：白羊座  第四名：金牛座  "
                                  L"第五名：双子座  第六名：巨蟹座  第七名：狮子座  第八名：处女座  "
                                  L"第九名：天秤座  第十名：天蝎座  第十一名：射手座  第十二名："
        + pasted + L"。" + typed + pasted;
    EXPECT_TRUE(text(u"Text2") == expected) << text(u"Text2").size() << " code units, not " << expected.size();
    click(u"bt2");
    for (std::size_t rank = 1; rank <= 12; ++rank)
        EXPECT_EQ(SendMessageW(control(focusOrder[rank + 3]), CB_GETCURSEL, 0, 0), CB_ERR) << rank;
}

// The test runs beside Tavelin.exe.
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
