#include "ChineseTranslation.h"
#include "MainForm.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tavelin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tavelin.png")));
    tavelin::qt::installChineseQtTranslation(application);

    tavelin::qt::MainForm window;
    window.show();
    return QApplication::exec();
}
