#pragma once

class QCoreApplication;

namespace tavelin::qt {

// Loads Qt's own Simplified Chinese texts (button captions, context menus)
// so that the window speaks one language. Returns false when they are not
// installed; the program still works, in Qt's English.
bool installChineseQtTranslation(QCoreApplication &application);

} // namespace tavelin::qt
