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
// Before Qt 6.8 there is no announcement to send. Orca speaks a new
// description of the control that has the focus, so the focused control
// carries the text while it is reported, and then its own description again.
// Qt 6.4's AT-SPI bridge, though, reports the object where the new text
// belongs, and Orca 43 then says nothing.
void announce(const QString &text)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;
    const QString own = focused->accessibleDescription();
    focused->setAccessibleDescription(text);
    focused->setAccessibleDescription(own);
}
#endif

} // namespace tavelin::qt
