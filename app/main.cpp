#include "ApplicationSetup.h"
#include "MainForm.h"

#include <QApplication>
#include <QIcon>

namespace {

// The same picture at every size it was drawn at, so it stays sharp when scaled.
QIcon programIcon()
{
    QIcon icon;
    for (const char *name : {"tavelin", "tavelin-64", "tavelin-128", "tavelin-256"})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    tavelin::qt::setUpApplication(application);
    QApplication::setApplicationVersion(QStringLiteral(TAVELIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TAVELIN_APP_ID));
    QApplication::setWindowIcon(programIcon());

    tavelin::qt::MainForm window;
    window.show();
    return QApplication::exec();
}
