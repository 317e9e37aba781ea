#include "MessageBox.h"

#include "ControlTable.h"
#include "QtText.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace tavelin::qt {

void showModalMessage(QWidget *owner, const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(ui::mainForm().title), message, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // so that the message can be copied
    if (owner)
        box.setFont(owner->font()); // a separate window does not inherit it
    box.button(QMessageBox::Ok)->setIcon({});
    box.exec();
}

} // namespace tavelin::qt
