#include "MainForm.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using tavelin::qt::MainForm;

// Runs with QT_SCALE_FACTOR=2: the layout stays in logical pixels and every
// control covers exactly twice as many device pixels each way.
class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsScaleExactlyTwice_data();
    void controlsScaleExactlyTwice();
    void wholeWindowScales();
};

void HighDpiTest::controlsScaleExactlyTwice_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("logical");
    QTest::newRow("title prompt") << u"Label1"_qs << QRect(24, 24, 121, 17);
    QTest::newRow("output") << u"Text2"_qs << QRect(32, 336, 441, 129);
    QTest::newRow("rank 12 caption") << u"Label3(8)"_qs << QRect(336, 192, 65, 17);
    QTest::newRow("reset") << u"bt2"_qs << QRect(296, 296, 81, 25);
}

void HighDpiTest::controlsScaleExactlyTwice()
{
    QFETCH(QString, control);
    QFETCH(QRect, logical);
    MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), 2.0);

    auto *widget = form.findChild<QWidget *>(control);
    QCOMPARE(widget->geometry(), logical);
    const QPixmap picture = widget->grab();
    QCOMPARE(picture.size(), logical.size() * 2);
    QCOMPARE(picture.devicePixelRatio(), 2.0);
}

void HighDpiTest::wholeWindowScales()
{
    MainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.grab().size(), QSize(1002, 956));
    auto *label = form.findChild<QLabel *>(u"Label1"_qs);
    QCOMPARE(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), true);
}

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
