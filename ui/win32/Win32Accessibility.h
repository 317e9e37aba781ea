#pragma once

#include <windows.h>

#include <string_view>

struct IRawElementProviderSimple;

namespace tavelin::win32 {

// What the window tells screen readers through, beyond what Windows knows of
// its controls by itself. Everything is looked up at run time, so that
// Windows 7 SP1 starts the program and loses nothing it had; tests put
// recorders in place of the calls that Wine does not carry out.
struct ScreenReaderCalls
{
    // IAccPropServices::SetHwndProp on a control's client area (oleacc's
    // annotation, Windows XP and later). Needs COM on the calling thread.
    using SetProperty = HRESULT (*)(HWND control, const GUID &property, const VARIANT &value);
    using HostProvider = HRESULT(WINAPI *)(HWND control, IRawElementProviderSimple **provider);
    using RaiseNotification
        = HRESULT(WINAPI *)(IRawElementProviderSimple *provider, int kind, int processing, BSTR text, BSTR activityId);

    // What this Windows offers; UI Automation's notification only from
    // Windows 10 1709 on.
    static ScreenReaderCalls fromSystem();

    // A control's name and, if not empty, its description. Where oleacc
    // cannot annotate (Wine's only pretends to), the control keeps the name
    // Windows gives it.
    void annotate(HWND control, std::u16string_view name, std::u16string_view description) const;
    // UI Automation's IsRequiredForForm.
    void markRequired(HWND control) const;
    // A polite live region: what it says is read once the user is idle.
    void markPoliteLiveRegion(HWND control) const;
    // Has screen readers say the live region's new text once, without moving
    // the focus: the region's change (read from Windows 8 on) and, where
    // there is one, a notification that carries the text.
    void announce(HWND liveRegion, std::u16string_view text) const;

    SetProperty setProperty = nullptr;
    HostProvider hostProviderFromHwnd = nullptr; // UiaHostProviderFromHwnd
    RaiseNotification raiseNotification = nullptr; // UiaRaiseNotificationEvent
};

// Removes the annotations again, before the control is destroyed.
void clearAnnotations(HWND control);

} // namespace tavelin::win32
