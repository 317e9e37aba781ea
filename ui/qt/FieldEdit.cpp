#include "FieldEdit.h"

#include "FieldAccessible.h"

#include <QAccessible>

namespace tavelin::qt {

namespace {

QAccessible::UpdateHandler forwardUpdate = nullptr;

bool isFocusSelection(const QAccessibleEvent *event)
{
    const auto *field = qobject_cast<const FieldEdit *>(event->object());
    return event->type() == QAccessible::TextSelectionChanged && field && field->isChangingFocus();
}

// Reports every other event as Qt would without this handler: through the
// handler installed before it, or through the platform's bridge.
void reportUnlessFocusSelection(QAccessibleEvent *event)
{
    if (isFocusSelection(event))
        return;
    if (forwardUpdate) {
        forwardUpdate(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(reportUnlessFocusSelection);
}

QAccessibleInterface *accessibleField(const QString &, QObject *object)
{
    if (auto *field = qobject_cast<FieldEdit *>(object))
        return new FieldAccessible(field);
    return nullptr;
}

void installAccessibility()
{
    static const bool installed = [] {
        forwardUpdate = QAccessible::installUpdateHandler(reportUnlessFocusSelection);
        QAccessible::installFactory(accessibleField);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

FieldEdit::FieldEdit(QWidget *parent)
    : QLineEdit(parent)
{
    installAccessibility();
}

void FieldEdit::focusInEvent(QFocusEvent *event)
{
    m_changingFocus = true;
    QLineEdit::focusInEvent(event);
    m_changingFocus = false;
}

void FieldEdit::focusOutEvent(QFocusEvent *event)
{
    m_changingFocus = true;
    QLineEdit::focusOutEvent(event);
    m_changingFocus = false;
}

} // namespace tavelin::qt
