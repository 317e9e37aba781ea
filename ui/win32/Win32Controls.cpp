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

// Multi-line boxes scroll as text is entered, or the edit control refuses
// whatever would not fit; they still show no scroll bars.
NativeKind nativeKind(ui::ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ui::ControlKind::Label:
        return {L"STATIC", child | SS_LEFT | SS_NOPREFIX};
    case ui::ControlKind::SingleLineText:
        return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL};
    case ui::ControlKind::MultiLineText:
        return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL};
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

// EM_SETLIMITTEXT and CB_LIMITTEXT with 0 lift the default limit on what
// the user can type or paste.
void liftTextLimit(HWND control, ui::ControlKind kind)
{
    if (kind == ui::ControlKind::SingleLineText || kind == ui::ControlKind::MultiLineText)
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    else if (kind == ui::ControlKind::Selector)
        SendMessageW(control, CB_LIMITTEXT, 0, 0);
}

std::wstring entryText(HWND selector, WPARAM index)
{
    std::wstring entry(static_cast<std::size_t>(SendMessageW(selector, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
    const auto length = SendMessageW(selector, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    return entry;
}

// CB_FINDSTRINGEXACT ignores case, so the entries are compared here.
WPARAM entryIndex(HWND selector, const std::wstring &text)
{
    const auto count = static_cast<WPARAM>(SendMessageW(selector, CB_GETCOUNT, 0, 0));
    for (WPARAM index = 0; index < count; ++index) {
        if (entryText(selector, index) == text)
            return index;
    }
    return static_cast<WPARAM>(-1);
}

} // namespace

HWND createControl(const ui::ControlSpec &row, HWND parent)
{
    const NativeKind native = nativeKind(row.kind);
    const std::wstring text = toWide(row.text);
    HWND control = CreateWindowExW(extendedStyle(row.kind), native.windowClass, text.c_str(), native.style, 0, 0, 0, 0,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    liftTextLimit(control, row.kind);
    return control;
}

HWND createHiddenCaption(std::u16string_view name, HWND parent)
{
    const std::wstring text = toWide(name);
    return CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void placeControl(HWND control, const ui::ControlSpec &row, UINT dpi)
{
    const int height = row.kind == ui::ControlKind::Selector ? row.twips.height + openListTwips : row.twips.height;
    const auto pixels = [dpi](int twips) { return ui::twipsToPixels(twips, static_cast<int>(dpi)); };
    SetWindowPos(control, nullptr, pixels(row.twips.left), pixels(row.twips.top), pixels(row.twips.width),
                 pixels(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void setSelectorText(HWND selector, const std::wstring &text)
{
    SendMessageW(selector, CB_SETCURSEL, entryIndex(selector, text), 0);
    SetWindowTextW(selector, text.c_str());
}

} // namespace tavelin::win32
