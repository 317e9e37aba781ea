#include "Win32MainForm.h"

#include "MainFormHandlers.h"
#include "Win32Controls.h"
#include "Win32Text.h"

#include <commctrl.h>

#include <algorithm>

namespace tavelin::win32 {

namespace {

constexpr wchar_t windowClassName[] = L"TavelinMainForm";
constexpr int firstControlId = 100;
constexpr int fontPoints = 9;

void registerWindowClass(WNDPROC procedure, HICON icon)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass);
}

void initCommonControls()
{
    INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

// Microsoft YaHei UI draws every caption on one line at 9 points, and Qt's
// window uses a face of the same size, so both look alike.
HFONT createFormFont(UINT dpi)
{
    return CreateFontW(-MulDiv(fontPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Microsoft YaHei UI");
}

bool isButton(HWND window)
{
    wchar_t className[16] {};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"Button") == 0;
}

} // namespace

MainForm::MainForm(HICON icon)
{
    initCommonControls();
    registerWindowClass(windowProc, icon);
    const std::wstring title = toWide(ui::mainForm().title);
    CreateWindowExW(0, windowClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    createControls();
    arrangeTabOrder();
    fitToDpi(GetDpiForWindow(m_window));
    m_focusToRestore = control(ui::focusOrder().front());
    ui::Form_Load(*this);
}

MainForm::~MainForm()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    if (m_font)
        DeleteObject(m_font);
}

void MainForm::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(m_focusToRestore);
}

HWND MainForm::control(std::u16string_view name) const
{
    return findControl([name](const ui::ControlSpec &row) { return row.name == name; });
}

void MainForm::setMessagePresenter(MessagePresenter presenter)
{
    m_presentMessage = std::move(presenter);
}

void MainForm::createControls()
{
    int id = firstControlId;
    for (const ui::ControlSpec &row : ui::controlTable())
        m_controls.push_back({&row, createControl(row, m_window, id++)});
}

// The dialog manager tabs through the controls in z-order, so the focus
// order becomes the z-order; the labels stay below.
void MainForm::arrangeTabOrder()
{
    HWND previous = HWND_TOP;
    for (std::u16string_view name : ui::focusOrder()) {
        HWND next = control(name);
        SetWindowPos(next, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = next;
    }
}

void MainForm::fitToDpi(UINT dpi)
{
    const ui::FormSpec &form = ui::mainForm();
    RECT frame {0, 0, pixelsAtDpi(form.clientWidthTwips, dpi), pixelsAtDpi(form.clientHeightTwips, dpi)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Control &control : m_controls)
        placeControl(control.window, *control.row, dpi);
    applyFont(dpi);
}

void MainForm::applyFont(UINT dpi)
{
    HFONT previous = m_font;
    m_font = createFormFont(dpi);
    for (const Control &control : m_controls)
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    if (previous)
        DeleteObject(previous);
}

HWND MainForm::roleControl(ui::ControlRole role) const
{
    return findControl([role](const ui::ControlSpec &row) { return row.role == role; });
}

HWND MainForm::findControl(const std::function<bool(const ui::ControlSpec &)> &matches) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [&matches](const Control &control) { return matches(*control.row); });
    return found == m_controls.end() ? nullptr : found->window;
}

std::u16string MainForm::text(std::u16string_view control) const
{
    return toU16(windowText(this->control(control)));
}

void MainForm::setText(std::u16string_view control, std::u16string_view text)
{
    SetWindowTextW(this->control(control), toWide(text).c_str());
}

void MainForm::appendEntry(std::u16string_view selector, std::u16string_view entry)
{
    const std::wstring item = toWide(entry);
    SendMessageW(control(selector), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void MainForm::showMessage(std::u16string_view message)
{
    m_presentMessage(m_window, toWide(message));
}

LRESULT CALLBACK MainForm::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<MainForm *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<MainForm *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_NEXTDLGCTL:
        moveFocus(wParam, LOWORD(lParam) != 0);
        return 0;
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        fitToDpi(HIWORD(wParam));
        return 0;
    }
    case WM_DESTROY:
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

// The dialog manager turns Enter into IDOK and Esc into IDCANCEL. Enter
// presses the button that has the focus, as on any Windows form, and does
// nothing elsewhere; Esc does nothing.
void MainForm::onCommand(int id, int notification)
{
    if (id == IDOK) {
        HWND focused = GetFocus();
        if (focused && GetParent(focused) == m_window && isButton(focused))
            SendMessageW(focused, BM_CLICK, 0, 0);
        return;
    }
    if (notification != BN_CLICKED)
        return;
    const auto clicked = std::find_if(m_controls.begin(), m_controls.end(),
                                      [id](const Control &control) { return GetDlgCtrlID(control.window) == id; });
    if (clicked == m_controls.end())
        return;
    if (const ui::ClickHandler handler = ui::clickHandler(clicked->row->name))
        handler(*this);
}

LRESULT MainForm::colourStatic(HDC dc, HWND label)
{
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    const bool required = label == roleControl(ui::ControlRole::RequiredMark);
    SetTextColor(dc, required ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

// A plain window forgets its focused control when it is deactivated.
void MainForm::onActivate(bool active)
{
    if (!active) {
        HWND focused = GetFocus();
        if (focused && IsChild(m_window, focused))
            m_focusToRestore = focused;
    } else if (m_focusToRestore) {
        SetFocus(m_focusToRestore);
    }
}

// A multi-line edit asks its parent to move the focus on when Tab is pressed
// in it, as a dialog would.
void MainForm::moveFocus(WPARAM target, bool targetIsWindow)
{
    HWND next = targetIsWindow ? reinterpret_cast<HWND>(target) : GetNextDlgTabItem(m_window, GetFocus(), target != 0);
    if (next)
        SetFocus(next);
}

bool translateFormMessage(HWND form, MSG &message)
{
    return IsDialogMessageW(form, &message);
}

int runMessageLoop(HWND form)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!translateFormMessage(form, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace tavelin::win32
