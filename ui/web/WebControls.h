#pragma once

#include "ControlTable.h"

#include <emscripten/val.h>

namespace tavelin::web {

// Creates the element for one row of the control table, holding its initial
// text and its place in both layouts of the form. The element that takes
// the focus and holds the text carries the control's name as its id.
emscripten::val createControl(const ui::ControlSpec &row);

// Sets a CSS property of the element to a length given in twips.
void setPixels(emscripten::val &element, const char *property, int twips);

} // namespace tavelin::web
