#pragma once

#include <QLineEdit>

namespace tavelin::qt {

// A one-line field. With Qt 6.4's accessibility bridge it takes focus
// quietly and is read through a FieldAccessible; see FieldEdit.cpp.
class FieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit FieldEdit(QWidget *parent = nullptr);

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
#endif
};

} // namespace tavelin::qt
