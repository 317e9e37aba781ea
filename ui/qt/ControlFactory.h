#pragma once

#include "ControlTable.h"

class QWidget;

namespace tavelin::qt {

// Creates the Qt widget for one row of the control table, named, placed and
// holding its initial text.
QWidget *createControl(const ui::ControlSpec &row, QWidget *parent);

} // namespace tavelin::qt
