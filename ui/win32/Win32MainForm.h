#pragma once

#include "ControlTable.h"
#include "FormOperations.h"
#include "Win32Accessibility.h"
#include "Win32Dpi.h"
#include "Win32MessageBox.h"

#include <windows.h>

#include <vector>

namespace tavelin::win32 {

// The icon in the program's resources; see tavelin.rc.in.
inline constexpr int programIconId = 1;

// SPI_GETHIGHCONTRAST: whether Windows shows everything in high contrast.
bool isHighContrastOn();

// The one window of the tool on the Win32 API. Like the Qt window it only
// builds its controls from the control table, moves text in and out and
// shows messages; the handlers decide.
class MainForm : private ui::FormOperations
{
public:
    // Creates the window and its controls and runs the load handler; the
    // window is not shown yet. If Windows cannot create it, handle() is null.
    // Its icon is the program's icon resource, where there is one.
    explicit MainForm(const DpiFunctions &dpi = DpiFunctions::fromSystem(),
                      const ScreenReaderCalls &screenReader = ScreenReaderCalls::fromSystem());
    ~MainForm() override;
    MainForm(const MainForm &) = delete;
    MainForm &operator=(const MainForm &) = delete;

    void show(int showCommand);
    HWND handle() const { return m_window; }
    HWND control(std::u16string_view name) const;
    void setMessagePresenter(MessagePresenter presenter);
    // Whether Windows' high contrast is on; tests put their own in its place.
    void setHighContrastQuery(bool (*isHighContrast)()) { m_isHighContrast = isHighContrast; }

private:
    struct Control
    {
        const ui::ControlSpec *row;
        HWND window;
        HWND caption = nullptr; // its label on screen, if any
        HWND nameCaption = nullptr; // hidden, holding its accessible name
    };

    std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    void appendEntry(std::u16string_view selector, std::u16string_view entry) override;
    void showMessage(std::u16string_view message) override;
    void announce(std::u16string_view text) override;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(WPARAM wParam, HWND source);
    void pressFocusedButton();
    LRESULT colourStatic(HDC dc, HWND label);
    void onActivate(bool active);
    void moveFocus(WPARAM target, bool targetIsWindow);
    void onDpiChanged(UINT dpi, const RECT &suggested);

    void createControls();
    void linkCaptions();
    void arrangeZOrder();
    void annotateForScreenReaders();
    void fitToDpi(UINT dpi);
    void resizeClientArea(UINT dpi);
    void loadIcons(UINT dpi);
    void applyFont(UINT dpi);
    const Control *find(std::u16string_view name) const;
    const Control *find(HWND window) const;
    const Control *find(ui::ControlRole role) const;

    HWND m_window = nullptr;
    DpiFunctions m_dpi;
    ScreenReaderCalls m_screenReader;
    std::vector<Control> m_controls;
    HFONT m_font = nullptr;
    HICON m_icon = nullptr;
    HICON m_smallIcon = nullptr;
    HWND m_focusToRestore = nullptr;
    MessagePresenter m_presentMessage = showModalMessage;
    bool (*m_isHighContrast)() = isHighContrastOn;
};

// Lets the dialog manager handle Tab, Shift+Tab and Enter for the form, as
// the message loop must, and keeps Esc from closing it. Returns true when
// the message was used.
bool translateFormMessage(HWND form, MSG &message);

// Runs until the window is closed; returns the exit code.
int runMessageLoop(HWND form);

} // namespace tavelin::win32
