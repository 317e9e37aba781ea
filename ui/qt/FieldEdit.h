#pragma once

#include <QLineEdit>

namespace tavelin::qt {

// A one-line field that takes focus quietly. Tab selects a field's whole
// text and leaving it deselects it; reported to assistive technology, each
// makes Orca read the text once more around the field's own announcement
// (name, role, value), or say that the text was deselected. Those two
// selection changes are kept from it; every other one is reported. Its text
// is read through a FieldAccessible.
class FieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit FieldEdit(QWidget *parent = nullptr);

    bool isChangingFocus() const { return m_changingFocus; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_changingFocus = false;
};

} // namespace tavelin::qt
