#include "SelectorBox.h"

#include <QAbstractItemView>

namespace tavelin::qt {

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

// Making the entry current again, now that the list has the focus, reports
// it as focused, as every later move does. Nothing on screen changes.
void SelectorBox::showPopup()
{
    QComboBox::showPopup();
    QItemSelectionModel *selection = view()->selectionModel();
    const QModelIndex highlighted = selection->currentIndex();
    if (!highlighted.isValid() || !view()->hasFocus())
        return;
    selection->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    selection->setCurrentIndex(highlighted, QItemSelectionModel::NoUpdate);
}

#endif

} // namespace tavelin::qt
