#pragma once

#include "ControlTable.h"

#include <emscripten/val.h>

namespace tavelin::web {

// An editable combo box after the WAI-ARIA combobox pattern: a text field
// with role combobox, a button that opens the list, and a listbox. Down opens
// the list from the keyboard as well. The field carries the control's name as
// its id; the returned box holds all three.
emscripten::val createComboBox(const ui::ControlSpec &row);

// Adds an option at the end of the list of the combo box whose field this is.
void appendOption(const emscripten::val &field, std::u16string_view entry);

} // namespace tavelin::web
