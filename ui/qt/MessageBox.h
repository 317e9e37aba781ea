#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tavelin::qt {

// How the window shows a message: modal, owned by the window, and only
// returning once the user has closed it. Tests put a recorder in its place.
using MessagePresenter = std::function<void(QWidget *owner, const QString &message)>;

// The real one: a modal box with no icon, a single OK button and the
// program's title.
void showModalMessage(QWidget *owner, const QString &message);

} // namespace tavelin::qt
