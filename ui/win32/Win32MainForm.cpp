#include "Win32MainForm.h"

#include "MainFormHandlers.h"
#include "Win32Accessibility.h"
#include "Win32Controls.h"
#include "Win32Font.h"
#include "Win32Text.h"

#include <commctrl.h>

#include <algorithm>

namespace tavelin::win32 {

namespace {

constexpr wchar_t windowClassName[] = L"TavelinMainForm";

// Icons of 32 and 16 pixels at 100 %.
constexpr int bigIconPixels = 32;
constexpr int smallIconPixels = 16;

// Several windows of a test program share the class.
bool registerWindowClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
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

// The icon file holds several sizes; Windows picks the nearest.
HICON loadProgramIcon(int pixels)
{
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(programIconId), IMAGE_ICON, pixels, pixels, 0));
}

void replaceIcon(HWND window, WPARAM which, HICON &held, HICON icon)
{
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    if (held)
        DestroyIcon(held);
    held = icon;
}

bool isEdit(HWND window)
{
    wchar_t kind[8] {};
    GetClassNameW(window, kind, 8);
    return lstrcmpiW(kind, L"Edit") == 0;
}

// A multi-line edit that the dialog manager drives posts WM_CLOSE to its
// parent on Esc. The window has no cancel button: there as anywhere else in
// it, Esc does nothing.
bool closesFormOnEscape(HWND form, const MSG &message)
{
    return message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && IsChild(form, message.hwnd)
        && isEdit(message.hwnd) && (GetWindowLongPtrW(message.hwnd, GWL_STYLE) & ES_MULTILINE);
}

} // namespace

bool isHighContrastOn()
{
    HIGHCONTRASTW contrast {sizeof contrast, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

MainForm::MainForm(const DpiFunctions &dpi, const ScreenReaderCalls &screenReader)
    : m_dpi(dpi)
    , m_screenReader(screenReader)
{
    initCommonControls();
    if (!registerWindowClass(windowProc))
        return;
    const std::wstring title = toWide(ui::mainForm().title);
    CreateWindowExW(0, windowClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window)
        return;
    createControls();
    linkCaptions();
    arrangeZOrder();
    annotateForScreenReaders();
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
    for (HICON icon : {m_icon, m_smallIcon}) {
        if (icon)
            DestroyIcon(icon);
    }
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

// Screen readers that do not read the annotations below name an input after
// the static text just before it in z-order. A visible caption may read
// otherwise (the custom text's stacks its characters on five lines), so a
// hidden one with the input's accessible name goes in between.
void MainForm::linkCaptions()
{
    for (Control &input : m_controls) {
        const auto label = std::find_if(m_controls.begin(), m_controls.end(), [&input](const Control &control) {
            return control.row->captionFor == input.row->name;
        });
        if (label != m_controls.end())
            input.caption = label->window;
        if (!input.row->accessibleName.empty())
            input.nameCaption = createHiddenCaption(input.row->accessibleName, m_window);
    }
}

// The title is required, its description the required mark's text. The
// output box is where a new ranking is read out.
void MainForm::annotateForScreenReaders()
{
    const Control *mark = find(ui::ControlRole::RequiredMark);
    for (const Control &input : m_controls) {
        const bool required = input.row->role == ui::ControlRole::Title && mark;
        if (!input.row->accessibleName.empty())
            m_screenReader.annotate(input.window, input.row->accessibleName,
                                    required ? mark->row->text : std::u16string_view {});
        if (required)
            m_screenReader.markRequired(input.window);
        if (input.row->role == ui::ControlRole::Output)
            m_screenReader.markPoliteLiveRegion(input.window);
    }
}

// The dialog manager tabs through the controls in z-order, so the focus
// order becomes the z-order, each input right after its captions. Labels
// take no focus and leave the Tab order as it is; the rest stay below.
void MainForm::arrangeZOrder()
{
    HWND previous = HWND_TOP;
    for (std::u16string_view name : ui::focusOrder()) {
        const Control *input = find(name);
        for (HWND window : {input->caption, input->nameCaption, input->window}) {
            if (!window)
                continue;
            SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = window;
        }
    }
}

void MainForm::fitToDpi(UINT dpi)
{
    resizeClientArea(dpi);
    for (const Control &control : m_controls)
        placeControl(control.window, *control.row, dpi);
    applyFont(dpi);
    loadIcons(dpi);
}

// The frame Windows draws can differ from the one the DPI functions expect:
// under per-monitor v1 it keeps the system DPI unless it was asked to scale,
// which Windows may refuse. The window is measured and corrected once.
void MainForm::resizeClientArea(UINT dpi)
{
    const ui::FormSpec &form = ui::mainForm();
    const int pixelsPerInch = static_cast<int>(dpi);
    const SIZE wanted = {ui::twipsToPixels(form.clientWidthTwips, pixelsPerInch),
                         ui::twipsToPixels(form.clientHeightTwips, pixelsPerInch)};
    RECT frame {0, 0, wanted.cx, wanted.cy};
    m_dpi.adjustWindowRect(frame, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)), dpi);
    const auto resize = [this](int width, int height) {
        SetWindowPos(m_window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    resize(frame.right - frame.left, frame.bottom - frame.top);
    if (IsIconic(m_window) || IsZoomed(m_window))
        return;
    RECT client;
    GetClientRect(m_window, &client);
    if (client.right != wanted.cx || client.bottom != wanted.cy)
        resize(frame.right - frame.left + wanted.cx - client.right,
               frame.bottom - frame.top + wanted.cy - client.bottom);
}

void MainForm::loadIcons(UINT dpi)
{
    const auto pixels = [dpi](int atHundredPercent) { return MulDiv(atHundredPercent, static_cast<int>(dpi), 96); };
    replaceIcon(m_window, ICON_BIG, m_icon, loadProgramIcon(pixels(bigIconPixels)));
    replaceIcon(m_window, ICON_SMALL, m_smallIcon, loadProgramIcon(pixels(smallIconPixels)));
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

const MainForm::Control *MainForm::find(ui::ControlRole role) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [role](const Control &control) { return control.row->role == role; });
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

void MainForm::announce(std::u16string_view text)
{
    m_screenReader.announce(find(ui::ControlRole::Output)->window, text);
}

LRESULT CALLBACK MainForm::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<MainForm *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->m_dpi.scaleFrameWithDpi(window);
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
    case WM_SYSCOLORCHANGE:
        // High contrast going on or off changes the system colours; the
        // controls of common controls 6 only hear of it from their parent.
        for (const Control &control : m_controls)
            SendMessageW(control.window, WM_SYSCOLORCHANGE, 0, 0);
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_DESTROY:
        for (const Control &control : m_controls)
            clearAnnotations(control.window);
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
    const bool red = found && found->row->role == ui::ControlRole::RequiredMark && !m_isHighContrast();
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    SetTextColor(dc, red ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
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
    return closesFormOnEscape(form, message) || IsDialogMessageW(form, &message);
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
