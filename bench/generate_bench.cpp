// Times clicks on 生成排行榜 in the real window (offscreen): a typical sheet,
// and sheets whose title and custom text are 1 MiB and 4 MiB each. Prints
// the median of each in milliseconds.

#include "MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

using tavelin::qt::MainForm;

namespace {

template <typename T> T *find(MainForm &form, const QString &name)
{
    return form.findChild<T *>(name);
}

void fill(MainForm &form, const QString &title, const QString &custom)
{
    find<QLineEdit>(form, u"Text1"_qs)->setText(title);
    for (int rank = 1; rank <= 12; ++rank)
        find<QComboBox>(form, QStringLiteral("Combo%1").arg(rank))->setCurrentIndex(rank - 1);
    find<QPlainTextEdit>(form, u"Text3"_qs)->setPlainText(custom);
}

double medianClickMs(MainForm &form, int runs)
{
    auto *generate = find<QPushButton>(form, u"bt1"_qs);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        generate->click();
        QApplication::processEvents(); // includes laying out and painting the output
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double measure(const QString &title, const QString &custom, int runs)
{
    MainForm form;
    form.setMessagePresenter([](QWidget *, const QString &) {});
    form.show();
    QApplication::processEvents();
    fill(form, title, custom);
    return medianClickMs(form, runs);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    constexpr int mebibyte = 1 << 20; // in UTF-16 code units
    std::printf("typical_ms %.4f\n", measure(u"本周星座运势排行榜"_qs, u"转发有好运"_qs, 201));
    std::printf("mib1_ms %.2f\n", measure(QString(mebibyte, u'榜'), QString(mebibyte, u'文'), 7));
    std::printf("mib4_ms %.2f\n", measure(QString(4 * mebibyte, u'榜'), QString(4 * mebibyte, u'文'), 5));
    return 0;
}
