#pragma once

class QApplication;
class QWidget;

namespace tavelin::qt {

// What the program sets up before it opens its window: its name, which the
// message box and the window system show, and Qt's own Simplified Chinese
// texts (button captions, context menus), so that the window speaks one
// language. Without those texts installed it still works, in Qt's English.
void setUpApplication(QApplication &application);

// Gives the program its icon once the window's first frame is out: the
// window system only needs it for the title bar and the task switcher, and
// decoding it earlier would hold that frame back.
void setProgramIconAfterFirstFrame(QWidget &window);

} // namespace tavelin::qt
