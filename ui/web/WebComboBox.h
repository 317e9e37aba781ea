#pragma once

#include <emscripten/val.h>

namespace tavelin::web {

// Makes the editable combo box whose field this is work after the WAI-ARIA
// combobox pattern: its button opens the list, and so does Down in the field;
// the keys walk the list and Enter or a click picks an entry.
void attachComboBox(const emscripten::val &field);

} // namespace tavelin::web
