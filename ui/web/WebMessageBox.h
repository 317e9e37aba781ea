#pragma once

#include <string_view>

namespace tavelin::web {

// The message box is the page's modal <dialog>. Opening it takes the focus;
// closing it gives the focus back to where it was.

// Opens the box and returns at once; the page stays inert until it is closed.
void showMessage(std::u16string_view message);

} // namespace tavelin::web
