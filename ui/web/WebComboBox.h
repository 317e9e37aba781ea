#pragma once

#include <emscripten/val.h>

namespace tavelin::web {

// Makes every editable combo box of the page work after the WAI-ARIA
// combobox pattern: its button opens the list, and so does Down in the field;
// the keys walk the list and Enter or a click picks an entry. The handlers
// listen on the page, so they work for a box before it is parsed.
void attachComboBoxes(const emscripten::val &page);

} // namespace tavelin::web
