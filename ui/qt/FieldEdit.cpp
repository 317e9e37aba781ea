#include "FieldEdit.h"

#include "FieldAccessible.h"

#include <QAccessible>

namespace tavelin::qt {

// Qt 6.4, the version these were measured with (Orca 43 on Debian 12).
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

namespace {

QAccessibleInterface *accessibleField(const QString &, QObject *object)
{
    if (auto *field = qobject_cast<FieldEdit *>(object))
        return new FieldAccessible(field);
    return nullptr;
}

// Tab selects a field's whole text and leaving it deselects it. Qt 6.4
// reports each before the focus itself, and Orca reads the text once more
// around the field's own announcement (name, role, value), or says that the
// text was deselected. So while a field's focus changes, this handler keeps
// those two selection changes back and reports every other event through
// the handler it stands in for, which may be none: Qt's own way to the
// platform's bridge.
QAccessible::UpdateHandler standingInFor = nullptr;

void reportAllButSelection(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::TextSelectionChanged)
        return;
    QAccessible::installUpdateHandler(standingInFor);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(reportAllButSelection);
}

// Installed for its lifetime only, so whatever handler the program or a
// library installs before or after, it finds that handler in place and
// leaves it there. A focus change inside another keeps the outer one's.
class SelectionKeptBack
{
public:
    SelectionKeptBack()
    {
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(reportAllButSelection);
        m_outermost = previous != reportAllButSelection;
        if (m_outermost)
            standingInFor = previous;
    }
    ~SelectionKeptBack()
    {
        if (m_outermost)
            QAccessible::installUpdateHandler(standingInFor);
    }
    SelectionKeptBack(const SelectionKeptBack &) = delete;
    SelectionKeptBack &operator=(const SelectionKeptBack &) = delete;

private:
    bool m_outermost;
};

} // namespace

FieldEdit::FieldEdit(QWidget *parent)
    : QLineEdit(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleField);
        return true;
    }();
    Q_UNUSED(installed);
}

void FieldEdit::focusInEvent(QFocusEvent *event)
{
    const SelectionKeptBack quietly;
    QLineEdit::focusInEvent(event);
}

void FieldEdit::focusOutEvent(QFocusEvent *event)
{
    const SelectionKeptBack quietly;
    QLineEdit::focusOutEvent(event);
}

#else

FieldEdit::FieldEdit(QWidget *parent)
    : QLineEdit(parent)
{ }

#endif

} // namespace tavelin::qt
