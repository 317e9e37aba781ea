#include "Win32Controls.h"

#include "Win32Text.h"

namespace tavelin::win32 {

namespace {

// A drop-down combo box is created with the height of its open list; the
// field itself takes the height its font needs.
constexpr int openListTwips = 3600;

struct NativeKind
{
    const wchar_t *windowClass;
    DWORD style;
};

NativeKind nativeKind(ui::ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ui::ControlKind::Label:
        return {L"STATIC", child | SS_LEFT | SS_NOPREFIX};
    case ui::ControlKind::SingleLineText:
        return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL};
    case ui::ControlKind::MultiLineText:
        return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_WANTRETURN};
    case ui::ControlKind::Selector:
        return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL};
    case ui::ControlKind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON};
    }
    return {L"STATIC", child};
}

DWORD extendedStyle(ui::ControlKind kind)
{
    const bool sunken = kind == ui::ControlKind::SingleLineText || kind == ui::ControlKind::MultiLineText;
    return sunken ? WS_EX_CLIENTEDGE : 0;
}

// EM_SETLIMITTEXT and CB_LIMITTEXT with 0 lift the default 32767 limit.
void liftTextLimit(HWND control, ui::ControlKind kind)
{
    if (kind == ui::ControlKind::SingleLineText || kind == ui::ControlKind::MultiLineText)
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    else if (kind == ui::ControlKind::Selector)
        SendMessageW(control, CB_LIMITTEXT, 0, 0);
}

} // namespace

int pixelsAtDpi(int twips, UINT dpi)
{
    return ui::twipsToPixels(twips, static_cast<int>(dpi));
}

HWND createControl(const ui::ControlSpec &row, HWND parent, int id)
{
    const NativeKind native = nativeKind(row.kind);
    const std::wstring text = toWide(row.text);
    HWND control
        = CreateWindowExW(extendedStyle(row.kind), native.windowClass, text.c_str(), native.style, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    liftTextLimit(control, row.kind);
    return control;
}

void placeControl(HWND control, const ui::ControlSpec &row, UINT dpi)
{
    const int height = row.kind == ui::ControlKind::Selector ? row.twips.height + openListTwips : row.twips.height;
    SetWindowPos(control, nullptr, pixelsAtDpi(row.twips.left, dpi), pixelsAtDpi(row.twips.top, dpi),
                 pixelsAtDpi(row.twips.width, dpi), pixelsAtDpi(height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

} // namespace tavelin::win32
