#pragma once

#include <QComboBox>

namespace tavelin::qt {

// An editable drop-down whose opened list tells assistive technology which
// entry it highlights. The list gets the focus after its first entry has
// become current, so a screen reader would name only the list.
class SelectorBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;
};

} // namespace tavelin::qt
