#pragma once

class QApplication;
class QIcon;

namespace tavelin::qt {

// What the program sets up before it opens its window: its name, which the
// message box and the window system show, and Qt's own Simplified Chinese
// texts (button captions, context menus), so that the window speaks one
// language. Without those texts installed it still works, in Qt's English.
void setUpApplication(QApplication &application);

// The same picture at every size it was drawn at, so it stays sharp when scaled.
QIcon programIcon();

} // namespace tavelin::qt
