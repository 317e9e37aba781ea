#pragma once

#include <QAccessibleWidget>

// Qt 6.4, the version this was measured with (Orca 43 on Debian 12).
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

class QLineEdit;

namespace tavelin::qt {

// What assistive technology reads of a one-line field: its name, its text,
// the caret and the selection, as Qt's own interface gives them, except that
// the whole text is one run of text attributes. Qt 6.4 reports a run of no
// length at every offset, and Orca, joining the runs up, stops one character
// short: 本周运势 would be read as 本周运.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface
{
public:
    explicit FieldAccessible(QLineEdit *field);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *field() const;
};

} // namespace tavelin::qt

#endif
