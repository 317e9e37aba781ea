#pragma once

#include "FormOperations.h"

namespace tavelin::ui {

// The three events of the main window that run code of the tool.

// Once, after the controls exist and before the window is first shown.
void Form_Load(FormOperations &form);
// Generate.
void bt1_Click(FormOperations &form);
// Reset.
void bt2_Click(FormOperations &form);

using ClickHandler = void (*)(FormOperations &form);

// What a click on a control runs: bt1_Click for bt1, bt2_Click for bt2,
// nothing for any other control.
ClickHandler clickHandler(std::u16string_view control);

} // namespace tavelin::ui
