#pragma once

#include <QString>

namespace tavelin::qt {

// Has screen readers say a text once, without moving the focus or changing
// anything on screen.
void announce(const QString &text);

} // namespace tavelin::qt
