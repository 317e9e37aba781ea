#pragma once

#include <QString>

class QWidget;

namespace tavelin::qt {

// The whole text of a control, whatever its kind.
QString controlText(const QWidget *control);
void setControlText(QWidget *control, const QString &text);

} // namespace tavelin::qt
