#include "ApplicationSetup.h"

#include "ControlTable.h"
#include "QtText.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavelin::qt {

namespace {

void installChineseQtTranslation(QApplication &application)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationName(toQString(ui::mainForm().title));
    installChineseQtTranslation(application);
}

QIcon programIcon()
{
    QIcon icon;
    for (const char *name : {"tavelin", "tavelin-64", "tavelin-128", "tavelin-256"})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
    return icon;
}

} // namespace tavelin::qt
