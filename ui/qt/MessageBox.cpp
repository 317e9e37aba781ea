#include "MessageBox.h"

#include "ControlTable.h"
#include "QtText.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>

namespace tavelin::qt {

namespace {

// A title bar centres the title between the window's buttons and cuts what
// does not fit, whether the window manager draws it (X11) or Qt does
// (Wayland). QMessageBox only allows the title 50 pixels more than its own
// width, so the box leaves room for three buttons on either side of the
// title, measured in a bold face as large as title bars use.
void makeRoomForTitle(QMessageBox &box)
{
    constexpr int titleBarButtonsWidth = 3 * 32;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 2 * titleBarButtonsWidth;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace

void showModalMessage(QWidget *owner, const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(ui::mainForm().title), message, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // so that the message can be copied
    if (owner)
        box.setFont(owner->font()); // a separate window does not inherit it
    box.button(QMessageBox::Ok)->setIcon({});
    makeRoomForTitle(box);
    box.exec();
}

} // namespace tavelin::qt
