#include "ApplicationSetup.h"
#include "MainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    tavelin::qt::setUpApplication(application);
    QApplication::setApplicationVersion(QStringLiteral(TAVELIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TAVELIN_APP_ID));

    tavelin::qt::MainForm window;
    tavelin::qt::setProgramIconAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
