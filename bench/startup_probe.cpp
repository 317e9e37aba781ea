// Starts either Tavelin's window, exactly as the program does, or a bare
// window of the same size, and prints when its first frame was painted
// (CLOCK_MONOTONIC, ns), the process's CPU time up to then (ns) and the peak
// resident memory once it sits idle.
//   startup_probe tavelin|bare|label [first-frame]
// "label" is the bare window showing one Chinese caption in Tavelin's font:
// the least that any window with Chinese text costs. With "first-frame" the
// probe ends right after that frame, so that an instruction count under
// callgrind covers the start-up and nothing else.

#include "ApplicationSetup.h"
#include "MainForm.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

long long nanoseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
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

void reportFirstFrame(bool endAtFirstFrame)
{
    std::printf("frame_ns %lld\ncpu_ns %lld\n", nanoseconds(CLOCK_MONOTONIC), nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
    if (endAtFirstFrame) {
        std::fflush(stdout);
        std::_Exit(0); // no tear-down in the count
    }
    QTimer::singleShot(1000, [] {
        std::printf("peak_rss_kb %s\n", peakResidentKb().constData());
        QApplication::quit();
    });
}

class FirstFrame : public QObject
{
public:
    explicit FirstFrame(bool endAtFirstFrame)
        : m_endAtFirstFrame(endAtFirstFrame)
    { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Runs once the paint event is done and the frame is flushed.
            QTimer::singleShot(0, [end = m_endAtFirstFrame] { reportFirstFrame(end); });
        }
        return false;
    }

private:
    bool m_endAtFirstFrame;
    bool m_seen = false;
};

std::unique_ptr<QWidget> bareWindow(bool withCaption)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Tavelin"));
    window->resize(501, 478);
    if (withCaption) {
        window->setFont(tavelin::qt::formFont());
        new QLabel(u"请输入排行榜的名字："_qs, window.get());
    }
    return window;
}

std::unique_ptr<QWidget> tavelinWindow(QApplication &application)
{
    tavelin::qt::setUpApplication(application);
    auto window = std::make_unique<tavelin::qt::MainForm>();
    tavelin::qt::setProgramIconAfterFirstFrame(*window);
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "tavelin";
    const bool endAtFirstFrame = argc > 2 && QByteArray(argv[2]) == "first-frame";
    std::unique_ptr<QWidget> window
        = mode == "bare" || mode == "label" ? bareWindow(mode == "label") : tavelinWindow(application);
    FirstFrame firstFrame(endAtFirstFrame);
    // The filter installed last runs first: the frame is reported before the
    // program's icon, which follows it, is decoded.
    window->installEventFilter(&firstFrame);
    window->show();
    return QApplication::exec();
}
