#pragma once

class QApplication;

namespace tavelin::qt {

// What the program sets up before it opens its window: its name, which the
// message box and the window system show, and Qt's own Simplified Chinese
// texts (button captions, context menus), so that the window speaks one
// language. Without those texts installed it still works, in Qt's English.
void setUpApplication(QApplication &application);

} // namespace tavelin::qt
