#include "Win32Accessibility.h"

#include "Win32SystemLibrary.h"
#include "Win32Text.h"

#include <initguid.h> // defines oleacc's ids below here

#include <oleacc.h>

#include <array>
#include <string>

namespace tavelin::win32 {

namespace {

// UI Automation's properties that oleacc's annotation sets on a window, and
// the values used here; mingw-w64's headers lack them.
constexpr GUID liveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID isRequiredForFormProperty
    = {0x4f5f43cf, 0x59fb, 0x4bde, {0xa2, 0x70, 0x60, 0x2e, 0x5e, 0x11, 0x41, 0xe9}};
constexpr DWORD liveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 and later
constexpr long politeLiveSetting = 1; // LiveSetting's Polite
constexpr int actionCompletedKind = 2; // NotificationKind_ActionCompleted
constexpr int mostRecentProcessing = 3; // NotificationProcessing_MostRecent: a newer ranking replaces one not yet read
constexpr std::u16string_view newRankingActivity = u"Tavelin.NewRanking";

const std::array<MSAAPROPID, 4> annotatedProperties
    = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, liveSettingProperty, isRequiredForFormProperty};

class PropertyServices
{
public:
    PropertyServices()
    {
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void **>(&m_services));
    }
    ~PropertyServices()
    {
        if (m_services)
            m_services->Release();
    }
    PropertyServices(const PropertyServices &) = delete;
    PropertyServices &operator=(const PropertyServices &) = delete;

    HRESULT set(HWND control, const GUID &property, const VARIANT &value) const
    {
        return m_services
            ? m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, value)
            : E_NOINTERFACE;
    }

    void clear(HWND control) const
    {
        if (m_services)
            m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       annotatedProperties.data(), static_cast<int>(annotatedProperties.size()));
    }

private:
    IAccPropServices *m_services = nullptr;
};

HRESULT setThroughOleacc(HWND control, const GUID &property, const VARIANT &value)
{
    return PropertyServices().set(control, property, value);
}

// A BSTR that frees itself.
class SystemString
{
public:
    explicit SystemString(std::u16string_view text)
        : m_text(SysAllocStringLen(toWide(text).c_str(), static_cast<UINT>(text.size())))
    { }
    ~SystemString() { SysFreeString(m_text); }
    SystemString(const SystemString &) = delete;
    SystemString &operator=(const SystemString &) = delete;

    BSTR get() const { return m_text; }

private:
    BSTR m_text;
};

void setText(const ScreenReaderCalls &calls, HWND control, const GUID &property, std::u16string_view text)
{
    const SystemString value(text);
    VARIANT variant {};
    variant.vt = VT_BSTR;
    variant.bstrVal = value.get();
    calls.setProperty(control, property, variant);
}

} // namespace

ScreenReaderCalls ScreenReaderCalls::fromSystem()
{
    HMODULE uiAutomation = loadSystemLibrary(L"uiautomationcore.dll");
    return {setThroughOleacc, systemFunction<HostProvider>(uiAutomation, "UiaHostProviderFromHwnd"),
            systemFunction<RaiseNotification>(uiAutomation, "UiaRaiseNotificationEvent")};
}

void ScreenReaderCalls::annotate(HWND control, std::u16string_view name, std::u16string_view description) const
{
    setText(*this, control, PROPID_ACC_NAME, name);
    if (!description.empty())
        setText(*this, control, PROPID_ACC_DESCRIPTION, description);
}

void ScreenReaderCalls::markRequired(HWND control) const
{
    VARIANT required {};
    required.vt = VT_BOOL;
    required.boolVal = VARIANT_TRUE;
    setProperty(control, isRequiredForFormProperty, required);
}

void ScreenReaderCalls::markPoliteLiveRegion(HWND control) const
{
    VARIANT polite {};
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    setProperty(control, liveSettingProperty, polite);
}

// NVDA reads a live region's change as the region's name, the output box's
// 生成的排行榜; the notification carries the ranking itself, so it is not
// heard twice.
void ScreenReaderCalls::announce(HWND liveRegion, std::u16string_view text) const
{
    NotifyWinEvent(liveRegionChanged, liveRegion, OBJID_CLIENT, CHILDID_SELF);
    IRawElementProviderSimple *provider = nullptr;
    if (!raiseNotification || !hostProviderFromHwnd || FAILED(hostProviderFromHwnd(liveRegion, &provider)))
        return;
    const SystemString said(text);
    const SystemString activity(newRankingActivity);
    raiseNotification(provider, actionCompletedKind, mostRecentProcessing, said.get(), activity.get());
    // A provider is a COM object; UI Automation's headers would bring their
    // interfaces' ids into the program, and oleacc's with them.
    reinterpret_cast<IUnknown *>(provider)->Release();
}

void clearAnnotations(HWND control)
{
    PropertyServices().clear(control);
}

} // namespace tavelin::win32
