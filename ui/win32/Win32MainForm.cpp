#include "Win32MainForm.h"

#include "MainFormHandlers.h"
#include "Win32Controls.h"
#include "Win32Font.h"
#include "Win32Text.h"

#include <commctrl.h>

#include <algorithm>

namespace tavelin::win32 {

namespace {

constexpr wchar_t windowClassName[] = L"TavelinMainForm";

// Several windows of a test program share the class.
bool registerWindowClass(WNDPROC procedure, HICON icon, HICON smallIcon)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = windowClassName;
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void initCommonControls()
{
    INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

} // namespace

MainForm::MainForm(HICON icon, HICON smallIcon, const DpiFunctions &dpi)
    : m_dpi(dpi)
{
    initCommonControls();
    if (!registerWindowClass(windowProc, icon, smallIcon))
        return;
    const std::wstring title = toWide(ui::mainForm().title);
    CreateWindowExW(0, windowClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window)
        return;
    createControls();
    linkCaptions();
    arrangeZOrder();
    fitToDpi(m_dpi.windowDpi(m_window));
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
    const Control *found = find(name);
    return found ? found->window : nullptr;
}

void MainForm::setMessagePresenter(MessagePresenter presenter)
{
    m_presentMessage = std::move(presenter);
}

void MainForm::createControls()
{
    for (const ui::ControlSpec &row : ui::controlTable())
        m_controls.push_back({&row, createControl(row, m_window)});
}

// Screen readers name an input after the static text just before it in
// z-order: its caption from the table or, where the window shows none, a
// hidden one with the input's accessible name.
void MainForm::linkCaptions()
{
    for (Control &input : m_controls) {
        const auto label = std::find_if(m_controls.begin(), m_controls.end(), [&input](const Control &control) {
            return control.row->captionFor == input.row->name;
        });
        if (label != m_controls.end())
            input.caption = label->window;
        else if (!input.row->accessibleName.empty())
            input.caption = createHiddenCaption(input.row->accessibleName, m_window);
    }
}

// The dialog manager tabs through the controls in z-order, so the focus
// order becomes the z-order, each input right after its caption. Labels take
// no focus and leave the Tab order as it is; the rest stay below.
void MainForm::arrangeZOrder()
{
    HWND previous = HWND_TOP;
    for (std::u16string_view name : ui::focusOrder()) {
        const Control *input = find(name);
        for (HWND window : {input->caption, input->window}) {
            if (!window)
                continue;
            SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = window;
        }
    }
}

void MainForm::fitToDpi(UINT dpi)
{
    const ui::FormSpec &form = ui::mainForm();
    const int pixelsPerInch = static_cast<int>(dpi);
    RECT frame {0, 0, ui::twipsToPixels(form.clientWidthTwips, pixelsPerInch),
                ui::twipsToPixels(form.clientHeightTwips, pixelsPerInch)};
    m_dpi.adjustWindowRect(frame, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)), dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Control &control : m_controls)
        placeControl(control.window, *control.row, dpi);
    applyFont(dpi);
}

// The title prompt is one line high, as every one-line caption.
void MainForm::applyFont(UINT dpi)
{
    const int lineHeight = ui::twipsToPixels(find(u"Label1")->row->twips.height, static_cast<int>(dpi));
    HFONT previous = m_font;
    m_font = createFormFont(dpi, lineHeight);
    for (const Control &control : m_controls)
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    if (previous)
        DeleteObject(previous);
}

const MainForm::Control *MainForm::find(std::u16string_view name) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [name](const Control &control) { return control.row->name == name; });
    return found == m_controls.end() ? nullptr : &*found;
}

const MainForm::Control *MainForm::find(HWND window) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [window](const Control &control) { return control.window == window; });
    return found == m_controls.end() ? nullptr : &*found;
}

std::u16string MainForm::text(std::u16string_view control) const
{
    return toU16(windowText(this->control(control)));
}

void MainForm::setText(std::u16string_view control, std::u16string_view text)
{
    const Control *target = find(control);
    if (target->row->kind == ui::ControlKind::Selector)
        setSelectorText(target->window, toWide(text));
    else
        SetWindowTextW(target->window, toWide(text).c_str());
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
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message of the window: the form lets go of it.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->handleMessage(window, message, wParam, lParam);
}

LRESULT MainForm::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_NEXTDLGCTL:
        moveFocus(wParam, LOWORD(lParam) != 0);
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The dialog manager reports Enter as IDOK from no control. Enter presses
// the button that has the focus, as on any Windows form, and does nothing
// elsewhere; Esc (IDCANCEL) does nothing.
void MainForm::onCommand(WPARAM wParam, HWND source)
{
    if (!source) {
        if (LOWORD(wParam) == IDOK)
            pressFocusedButton();
        return;
    }
    const Control *clicked = find(source);
    if (!clicked || HIWORD(wParam) != BN_CLICKED)
        return;
    if (const ui::ClickHandler handler = ui::clickHandler(clicked->row->name))
        handler(*this);
}

void MainForm::pressFocusedButton()
{
    const Control *focused = find(GetFocus());
    if (focused && focused->row->kind == ui::ControlKind::Button)
        SendMessageW(focused->window, BM_CLICK, 0, 0);
}

LRESULT MainForm::colourStatic(HDC dc, HWND label)
{
    const Control *found = find(label);
    const bool required = found && found->row->role == ui::ControlRole::RequiredMark;
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
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

// Windows 8.1 and later tell the window when it moves to a monitor of
// another DPI, and suggest its new place.
void MainForm::onDpiChanged(UINT dpi, const RECT &suggested)
{
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitToDpi(dpi);
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
