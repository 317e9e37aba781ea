#include "ApplicationSetup.h"
#include "MainForm.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    tavelin::qt::setUpApplication(application);
    QApplication::setApplicationVersion(QStringLiteral(TAVELIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TAVELIN_APP_ID));
    QApplication::setWindowIcon(tavelin::qt::programIcon());

    tavelin::qt::MainForm window;
    window.show();
    return QApplication::exec();
}
