#pragma once

#include <string_view>

namespace tavelin::web {

// The message box: a modal <dialog> with the program's title, the message
// and one 确定 button, no icon. Opening it takes the focus; closing it gives
// the focus back to where it was.
void createMessageBox();

// Opens the box and returns at once; the page stays inert until it is closed.
void showMessage(std::u16string_view message);

bool isMessageShown();

} // namespace tavelin::web
