#include "Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace tavelin::qt {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 there is no announcement. Orca 43 speaks a notification, by
// its role and name, as it comes into view; Qt 6.4 reports a changed name or
// description as the changed object, without the text, so neither of those
// is spoken.
QAccessibleInterface *notificationFor(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}
#endif

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    Q_UNUSED(installed);
#endif
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void Announcer::announce(const QString &text)
{
    QAccessibleAnnouncementEvent event(QApplication::focusWidget() ? QApplication::focusWidget() : this, text);
    QAccessible::updateAccessibility(&event);
}
#else
// A notification stays in the window, empty and out of sight, until the next
// one takes its place: taken away at once, it would be gone before a screen
// reader has read it.
void Announcer::announce(const QString &text)
{
    hide();
    setAccessibleName(text);
    show();
}
#endif

} // namespace tavelin::qt
