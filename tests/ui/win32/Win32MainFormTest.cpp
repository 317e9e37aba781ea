#include "Win32MainForm.h"
#include "Win32Controls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using tavelin::win32::MainForm;
using tavelin::win32::windowText;

namespace {

const std::vector<std::wstring> twelveSigns = {L"水瓶座", L"双鱼座", L"白羊座", L"金牛座", L"双子座", L"巨蟹座",
                                               L"狮子座", L"处女座", L"天秤座", L"天蝎座", L"射手座", L"摩羯座"};

const std::wstring fullRanking = L"【本周运势】第一名：水瓶座  第二名：双鱼座  第三名：白羊座  第四名：金牛座  "
                                 L"第五名：双子座  第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  "
                                 L"第十名：天蝎座  第十一名：射手座  第十二名：摩羯座。";

std::u16string comboName(int rank)
{
    const std::string ascii = "Combo" + std::to_string(rank);
    return {ascii.begin(), ascii.end()};
}

RECT clientRect(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

void expectRect(HWND control, int left, int top, int width, int height)
{
    const RECT rect = clientRect(control);
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, width);
    if (height >= 0) {
        EXPECT_EQ(rect.bottom - rect.top, height);
    }
}

std::vector<std::wstring> entries(HWND combo)
{
    std::vector<std::wstring> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        item.resize(
            static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

class Win32Window : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.setMessagePresenter([this](HWND, const std::wstring &message) { messages.push_back(message); });
        form.show(SW_SHOWNORMAL);
        pump();
    }

    HWND control(std::u16string_view name) const { return form.control(name); }
    std::wstring text(std::u16string_view name) const { return windowText(control(name)); }
    void setText(std::u16string_view name, const std::wstring &text) { SetWindowTextW(control(name), text.c_str()); }
    void click(std::u16string_view button) { SendMessageW(control(button), BM_CLICK, 0, 0); }

    void fillValidSheet()
    {
        setText(u"Text1", L"本周运势");
        for (int rank = 1; rank <= 12; ++rank)
            SendMessageW(control(comboName(rank)), CB_SETCURSEL, rank - 1, 0);
    }

    // Delivers posted input the way the program's message loop does.
    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!tavelin::win32::translateFormMessage(form.handle(), message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    void pressKey(HWND target, WPARAM key)
    {
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 0xC0000001);
        pump();
    }

    HWND focusedControl() const
    {
        HWND focused = GetFocus();
        HWND parent = GetParent(focused);
        return parent && parent != form.handle() ? parent : focused; // a combo's edit field
    }

    MainForm form;
    std::vector<std::wstring> messages;
};

} // namespace

TEST_F(Win32Window, GeometryAt96Dpi)
{
    ASSERT_EQ(GetDpiForWindow(form.handle()), 96u);
    RECT client;
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, 501);
    EXPECT_EQ(client.bottom, 478);
    expectRect(control(u"Label1"), 24, 24, 121, 17);
    expectRect(control(u"Text1"), 160, 24, 153, 18);
    expectRect(control(u"Label3(8)"), 336, 192, 65, 17);
    expectRect(control(u"bt1"), 128, 296, 81, 25);
    expectRect(control(u"Text2"), 32, 336, 441, 129);
    expectRect(control(u"Combo12"), 400, 192, 73, -1);
}

TEST_F(Win32Window, TitleAndCaptions)
{
    EXPECT_EQ(windowText(form.handle()), L"Tavelin");
    EXPECT_EQ(text(u"Label1"), L"请输入排行榜的名字：");
    EXPECT_EQ(text(u"Label4"), L"自\r\n定\r\n义\r\n文\r\n本");
    EXPECT_EQ(text(u"bt2"), L"重置");
}

TEST_F(Win32Window, FocusOrderBothWaysWithWrapAround)
{
    const std::vector<std::u16string> order
        = {u"Text1",  u"Text2",  u"bt1",    u"bt2",    u"Combo1",  u"Combo2",  u"Combo3",  u"Combo4", u"Combo5",
           u"Combo6", u"Combo7", u"Combo8", u"Combo9", u"Combo10", u"Combo11", u"Combo12", u"Text3"};
    EXPECT_EQ(focusedControl(), control(u"Text1"));
    HWND current = control(u"Text1");
    for (std::size_t i = 1; i <= order.size(); ++i) {
        current = GetNextDlgTabItem(form.handle(), current, FALSE);
        EXPECT_EQ(current, control(order[i % order.size()])) << "after " << i << " tabs";
    }
    for (std::size_t i = order.size(); i > 0; --i) {
        current = GetNextDlgTabItem(form.handle(), current, TRUE);
        EXPECT_EQ(current, control(order[i - 1])) << "back to position " << i;
    }
}

TEST_F(Win32Window, StartsWithPlaceholdersAndFullLists)
{
    EXPECT_EQ(text(u"Text1"), L"");
    EXPECT_EQ(text(u"Text2"), L"");
    EXPECT_EQ(text(u"Text3"), L"");
    for (int rank = 1; rank <= 12; ++rank) {
        HWND combo = control(comboName(rank));
        EXPECT_EQ(windowText(combo), L"-请选择-") << rank;
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(entries(combo), twelveSigns);
    }
}

TEST_F(Win32Window, GenerateAndResetThroughTheButtons)
{
    fillValidSheet();
    setText(u"Text3", L"abc\r\n第二行");
    click(u"bt1");
    click(u"bt1");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(text(u"Text2"), fullRanking + L"abc\r\n第二行");

    click(u"bt2");
    click(u"bt2");
    EXPECT_EQ(text(u"Text1"), L"");
    EXPECT_EQ(text(u"Text2"), L"");
    EXPECT_EQ(text(u"Text3"), L"abc\r\n第二行");
    for (int rank = 1; rank <= 12; ++rank) {
        EXPECT_EQ(text(comboName(rank)), L"-请选择-");
        EXPECT_EQ(SendMessageW(control(comboName(rank)), CB_GETCOUNT, 0, 0), 12);
    }
}

TEST_F(Win32Window, FailedCheckShowsTheMessageAndLeavesTheOutput)
{
    setText(u"Text3", L"abc");
    click(u"bt1");
    fillValidSheet();
    setText(u"Combo6", L"白");
    setText(u"Combo8", L"白");
    click(u"bt1");
    EXPECT_EQ(messages, (std::vector<std::wstring> {L"请填写排行榜标题！", L"排名第六的星座与其他排名有重复！"}));
    EXPECT_EQ(text(u"Text2"), L"");
}

TEST_F(Win32Window, EnterPressesOnlyAFocusedButton)
{
    SetFocus(control(u"Text1"));
    pressKey(GetFocus(), VK_RETURN);
    SetFocus(control(u"Combo3"));
    pressKey(GetFocus(), VK_RETURN);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(SendMessageW(control(u"Combo3"), CB_GETCOUNT, 0, 0), 12);

    SetFocus(control(u"bt1"));
    pressKey(control(u"bt1"), VK_RETURN);
    EXPECT_EQ(messages, std::vector<std::wstring> {L"请填写排行榜标题！"});
}

TEST_F(Win32Window, TabLeavesTheCustomTextBox)
{
    SetFocus(control(u"Text3"));
    pressKey(control(u"Text3"), VK_TAB);
    EXPECT_EQ(text(u"Text3"), L"");
    EXPECT_EQ(focusedControl(), control(u"Text1"));
}

TEST_F(Win32Window, HundredThousandCharacterTitleComesOutWhole)
{
    const std::wstring title(100000, L'榜');
    fillValidSheet();
    setText(u"Text1", title);
    click(u"bt1");
    ASSERT_TRUE(messages.empty());
    EXPECT_EQ(text(u"Text1").size(), 100000u);
    EXPECT_EQ(text(u"Text2"), L"【" + title + fullRanking.substr(5));
}

namespace {

struct SeenMessageBox
{
    std::wstring title;
    std::wstring text;
    int buttons = 0;
    bool hasIcon = false;
};

SeenMessageBox seen;

BOOL CALLBACK inspectChild(HWND child, LPARAM)
{
    wchar_t className[32] {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Button") == 0)
        ++seen.buttons;
    const int id = GetDlgCtrlID(child);
    if (id == 0xFFFF)
        seen.text = windowText(child);
    if (id == 0x14 && IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0))
        seen.hasIcon = true;
    return TRUE;
}

void CALLBACK closeMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box)
        return;
    KillTimer(nullptr, timer);
    seen.title = windowText(box);
    EnumChildWindows(box, inspectChild, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace

TEST_F(Win32Window, RealMessageBoxIsPlainWithOneButton)
{
    form.setMessagePresenter(tavelin::win32::showModalMessage);
    setText(u"Text1", L"榜");
    SetTimer(nullptr, 0, 50, closeMessageBox);
    click(u"bt1");
    EXPECT_EQ(seen.title, L"Tavelin");
    EXPECT_EQ(seen.text, L"请选择排名第一的星座！");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_TRUE(IsWindowEnabled(form.handle())) << "the owner is enabled again once the box is closed";
}
