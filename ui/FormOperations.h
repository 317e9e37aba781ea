#pragma once

#include <string>
#include <string_view>

namespace tavelin::ui {

// What the handlers may do with the window, addressed by control name.
// Each surface (Qt, Win32, a test fake) provides these and nothing more.
class FormOperations
{
public:
    virtual ~FormOperations() = default;

    virtual std::u16string text(std::u16string_view control) const = 0;
    // For a selector, sets the field only; the list is left as it is.
    virtual void setText(std::u16string_view control, std::u16string_view text) = 0;
    virtual void appendEntry(std::u16string_view selector, std::u16string_view entry) = 0;
    // Modal; returns once the user has closed the box.
    virtual void showMessage(std::u16string_view message) = 0;
    // Has screen readers say the text once, politely, without moving the
    // focus or changing anything on screen.
    virtual void announce(std::u16string_view text) = 0;
};

} // namespace tavelin::ui
