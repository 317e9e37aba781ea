#include "Win32Accessibility.h"

#include "Win32Text.h"

#include <initguid.h> // defines the property ids below here

#include <oleacc.h>

#include <array>

namespace tavelin::win32 {

namespace {

const std::array<MSAAPROPID, 2> annotatedProperties = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

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

    bool set(HWND control, MSAAPROPID property, std::u16string_view value) const
    {
        const std::wstring text = toWide(value);
        return m_services
            && SUCCEEDED(m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                                    text.c_str()));
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

} // namespace

void annotate(HWND control, std::u16string_view name, std::u16string_view description)
{
    const PropertyServices services;
    services.set(control, PROPID_ACC_NAME, name);
    if (!description.empty())
        services.set(control, PROPID_ACC_DESCRIPTION, description);
}

void clearAnnotations(HWND control)
{
    PropertyServices().clear(control);
}

} // namespace tavelin::win32
