#include "FieldAccessible.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

#include <QLineEdit>

namespace tavelin::qt {

FieldAccessible::FieldAccessible(QLineEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{ }

QLineEdit *FieldAccessible::field() const
{
    return static_cast<QLineEdit *>(widget());
}

void *FieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State FieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !field()->isReadOnly();
    state.readOnly = field()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString FieldAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return field()->text();
    return QAccessibleWidget::text(kind);
}

void FieldAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = *startOffset + field()->selectionLength();
}

int FieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const
{
    return field()->cursorPosition();
}

void FieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString FieldAccessible::text(int startOffset, int endOffset) const
{
    return field()->text().mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const
{
    return static_cast<int>(field()->text().size());
}

// Measured from the caret, which stands where the field has scrolled to, so
// that nothing moves while a screen reader asks.
QRect FieldAccessible::characterRect(int offset) const
{
    const QLineEdit *edit = field();
    const QFontMetrics metrics(edit->font());
    const QString text = edit->text();
    const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = caret.center().x() + metrics.horizontalAdvance(text.left(offset))
        - metrics.horizontalAdvance(text.left(edit->cursorPosition()));
    const QRect local(left, caret.top(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
    return QRect(edit->mapToGlobal(local.topLeft()), local.size());
}

int FieldAccessible::offsetAtPoint(const QPoint &point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void FieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
}

// The field has one font and one colour: its whole text is one run.
QString FieldAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void FieldAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    field()->setSelection(startOffset, endOffset - startOffset);
    field()->insert(text);
}

} // namespace tavelin::qt

#endif
