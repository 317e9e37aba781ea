#include "MessageBox.h"

#include "ControlTable.h"
#include "QtText.h"

#include <QMessageBox>

namespace tavelin::qt {

void showModalMessage(QWidget *owner, const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(ui::mainForm().title), message, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tavelin::qt
