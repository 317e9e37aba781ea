#pragma once

#include "ControlTable.h"

#include <emscripten/val.h>

namespace tavelin::web {

// Creates the element for one row of the control table, placed in CSS
// pixels and holding its initial text. The element that takes the focus and
// holds the text carries the control's name as its id.
emscripten::val createControl(const ui::ControlSpec &row);

// A length in twips as a CSS length.
emscripten::val pixels(int twips);

} // namespace tavelin::web
