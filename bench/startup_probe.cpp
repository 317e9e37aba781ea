// Starts either Tavelin's window, exactly as the program does, or a bare
// window of the same size, and prints when its first frame was painted
// (CLOCK_MONOTONIC, ns) and the peak resident memory once it sits idle.
//   startup_probe tavelin|bare|label
// "label" is the bare window showing one Chinese label: the least that any
// window with Chinese text costs.

#include "ApplicationSetup.h"
#include "MainForm.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

long long monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QByteArray peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0);
    }
    return "0";
}

class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Runs once the paint event is done and the frame is flushed.
            QTimer::singleShot(0, [] {
                std::printf("frame_ns %lld\n", monotonicNanoseconds());
                QTimer::singleShot(1000, [] {
                    std::printf("peak_rss_kb %s\n", peakResidentKb().constData());
                    QApplication::quit();
                });
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    const QByteArray mode = argc > 1 ? argv[1] : "tavelin";
    if (mode == "bare" || mode == "label") {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("Tavelin"));
        window->resize(501, 478);
        if (mode == "label")
            new QLabel(u"请输入排行榜的名字："_qs, window.get());
    } else {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tavelin.png")));
        tavelin::qt::setUpApplication(application);
        window = std::make_unique<tavelin::qt::MainForm>();
    }
    FirstFrame firstFrame;
    window->installEventFilter(&firstFrame);
    window->show();
    return QApplication::exec();
}
