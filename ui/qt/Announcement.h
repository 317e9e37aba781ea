#pragma once

#include <QWidget>

namespace tavelin::qt {

// Has screen readers say a text once, without moving the focus or changing
// anything on screen. It takes no room and draws nothing.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
};

} // namespace tavelin::qt
