#include "ApplicationSetup.h"

#include "ControlTable.h"
#include "QtText.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

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

// The same picture at every size it was drawn at, so it stays sharp when
// scaled. The format is known, so no image plugin is asked whether it reads it.
QIcon programIcon()
{
    QIcon icon;
    for (const char *name : {"tavelin", "tavelin-64", "tavelin-128", "tavelin-256"}) {
        QImageReader reader(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

class IconAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *window, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            // Queued, so that it runs once the painted frame has been flushed.
            QMetaObject::invokeMethod(this, &IconAfterFirstFrame::setIcon, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void setIcon()
    {
        QApplication::setWindowIcon(programIcon());
        deleteLater();
    }
};

} // namespace

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationName(toQString(ui::mainForm().title));
    installChineseQtTranslation(application);
}

void setProgramIconAfterFirstFrame(QWidget &window)
{
    window.installEventFilter(new IconAfterFirstFrame(&window));
}

} // namespace tavelin::qt
