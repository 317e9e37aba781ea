#include "Announcement.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace tavelin::qt {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void announce(const QString &text)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;
    QAccessibleAnnouncementEvent event(focused, text);
    QAccessible::updateAccessibility(&event);
}
#else
// Before Qt 6.8 there is no announcement to send. Orca speaks the new name of
// the control that has the focus, so the focused control takes the text as
// its name for as long as it takes to report it, and then its own name again,
// which Orca says after it. (A new description would be spoken too, but
// Qt 6.4 reports the object in place of the text.)
void announce(const QString &text)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;
    const QString own = focused->accessibleName();
    focused->setAccessibleName(text);
    focused->setAccessibleName(own);
}
#endif

} // namespace tavelin::qt
