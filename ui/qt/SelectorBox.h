#pragma once

#include <QComboBox>

namespace tavelin::qt {

// An editable drop-down. With Qt 6.4 its opened list tells assistive
// technology which entry it highlights: the list gets the focus after its
// first entry has become current, so Qt reports the entry before the list,
// and Orca 43 names only the list.
class SelectorBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0) // the version this was measured with
    void showPopup() override;
#endif
};

} // namespace tavelin::qt
