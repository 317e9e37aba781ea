#pragma once

#include "ControlTable.h"

#include <QList>
#include <QString>

#include <utility>

class QComboBox;
class QWidget;

namespace tavelin::qt {

// Creates the Qt widget for one row of the control table, named, placed and
// holding its initial text; a selector gets its field, and with it its text,
// from attachFields.
QWidget *createControl(const ui::ControlSpec &row, QWidget *parent);

using SelectorText = std::pair<QComboBox *, QString>;

// Gives each selector the field that the user types into, showing the text.
// A field lays its text out anew on every change, so each is made once the
// form knows the text it starts with. Typed text stays exactly as typed: no
// completion rewrites it and Enter never turns it into an entry of the list.
// QComboBox gives a field without a completer a completing one of its own,
// so each field borrows an inert one until it is in place. A field given this
// way, rather than by setEditable(), also leaves the list's popup to be built
// when it is first opened.
void attachFields(const QList<SelectorText> &selectors);

} // namespace tavelin::qt
