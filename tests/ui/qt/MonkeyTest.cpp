#include "ControlText.h"
#include "MainForm.h"
#include "RankingComposer.h"
#include "RankingValidator.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace tavelin;
using tavelin::qt::controlText;
using tavelin::qt::MainForm;

namespace {

constexpr int actionCount = 20000;
constexpr quint32 seed = 20261206;

const QStringList signs = {u"水瓶座"_qs, u"双鱼座"_qs, u"白羊座"_qs, u"金牛座"_qs, u"双子座"_qs, u"巨蟹座"_qs,
                           u"狮子座"_qs, u"处女座"_qs, u"天秤座"_qs, u"天蝎座"_qs, u"射手座"_qs, u"摩羯座"_qs};

} // namespace

// Random clicks, keys and pastes, including huge texts, NULs and lone
// surrogates. Whatever happens, the lists stay whole and every click on
// 生成排行榜 either leaves the output alone or writes exactly what the core
// makes of the sheet on screen.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomInputKeepsTheWindowSound();

private:
    QWidget *control(const QString &name) const { return m_form->findChild<QWidget *>(name); }
    QWidget *randomControl();
    QString randomText(int maxLength);
    void act();
    void pressRandomKey(QWidget *target);
    void paste(QWidget *target, const QString &text);
    void generateAndCheck();
    void fillValidSheet();
    RankingSheet sheetOnScreen() const;
    void checkLists();

    QRandomGenerator m_random {seed};
    MainForm *m_form = nullptr;
    int m_messages = 0;
    int m_generated = 0;
    int m_refused = 0;
};

QWidget *MonkeyTest::randomControl()
{
    static const QStringList names
        = {u"Text1"_qs,  u"Text2"_qs,  u"Text3"_qs,   u"bt1"_qs,     u"bt2"_qs,    u"Combo1"_qs,
           u"Combo2"_qs, u"Combo3"_qs, u"Combo4"_qs,  u"Combo5"_qs,  u"Combo6"_qs, u"Combo7"_qs,
           u"Combo8"_qs, u"Combo9"_qs, u"Combo10"_qs, u"Combo11"_qs, u"Combo12"_qs};
    return control(names.at(m_random.bounded(names.size())));
}

QString MonkeyTest::randomText(int maxLength)
{
    const int length = m_random.bounded(maxLength + 1);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        switch (m_random.bounded(6)) {
        case 0:
            text += QChar(u'\0');
            break;
        case 1:
            text += QChar(char16_t(0xD800 + m_random.bounded(0x800))); // a lone surrogate
            break;
        case 2:
            text += u'\n';
            break;
        case 3:
            text += signs.at(m_random.bounded(signs.size())).at(m_random.bounded(3));
            break;
        default:
            text += QChar(char16_t(u' ' + m_random.bounded(95)));
        }
    }
    return text;
}

void MonkeyTest::pressRandomKey(QWidget *target)
{
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Backspace,
                                   Qt::Key_Delete, Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,    Qt::Key_End,
                                   Qt::Key_Space,  Qt::Key_Escape, Qt::Key_PageDown, Qt::Key_F4};
    switch (m_random.bounded(4)) {
    case 0:
        QTest::keyClick(target, keys[m_random.bounded(int(std::size(keys)))]);
        break;
    case 1:
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        break;
    case 2:
        QTest::keyClick(target, Qt::Key_Down, Qt::AltModifier);
        break;
    default:
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, randomText(3), Qt::NoModifier);
    }
}

void MonkeyTest::paste(QWidget *target, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void MonkeyTest::act()
{
    QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : m_form;
    const int roll = m_random.bounded(1000);
    if (roll < 150) {
        generateAndCheck();
    } else if (roll < 200) {
        QTest::mouseClick(control(u"bt2"_qs), Qt::LeftButton);
    } else if (roll < 350) {
        QWidget *target = randomControl();
        if (!qobject_cast<QPushButton *>(target))
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    } else if (roll < 352) {
        paste(focused, QString(100000 + m_random.bounded(100000), QChar(u'榜')) + randomText(8));
    } else if (roll < 400) {
        paste(focused, randomText(40));
    } else if (roll < 420) {
        auto *combo = qobject_cast<QComboBox *>(control(QStringLiteral("Combo%1").arg(1 + m_random.bounded(12))));
        combo->setCurrentIndex(m_random.bounded(12));
    } else if (roll < 450) {
        fillValidSheet();
    } else {
        pressRandomKey(focused);
    }
}

// Random sheets are almost never valid; this gives the checks some to pass.
void MonkeyTest::fillValidSheet()
{
    qobject_cast<QLineEdit *>(control(u"Text1"_qs))->setText(u"榜"_qs + randomText(20));
    QList<int> order = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::shuffle(order.begin(), order.end(), m_random);
    for (int rank = 1; rank <= 12; ++rank)
        qobject_cast<QComboBox *>(control(QStringLiteral("Combo%1").arg(rank)))->setCurrentIndex(order.at(rank - 1));
}

RankingSheet MonkeyTest::sheetOnScreen() const
{
    RankingSheet sheet;
    sheet.title = controlText(control(u"Text1"_qs)).toStdU16String();
    for (int rank = 1; rank <= 12; ++rank)
        sheet.pick(rank) = controlText(control(QStringLiteral("Combo%1").arg(rank))).toStdU16String();
    sheet.customText = controlText(control(u"Text3"_qs)).toStdU16String();
    return sheet;
}

void MonkeyTest::generateAndCheck()
{
    const RankingSheet sheet = sheetOnScreen();
    const QString before = controlText(control(u"Text2"_qs));
    const int messagesBefore = m_messages;
    QTest::mouseClick(control(u"bt1"_qs), Qt::LeftButton);
    const QString after = controlText(control(u"Text2"_qs));

    if (RankingValidator::validate(sheet)) {
        ++m_refused;
        QCOMPARE(m_messages, messagesBefore + 1);
        QVERIFY2(after == before, "a refused sheet changed the output");
    } else {
        ++m_generated;
        const auto expected = RankingComposer::appendCustomText(RankingComposer::compose(sheet), sheet.customText);
        QVERIFY2(after.toStdU16String() == expected, "the output differs from the core's text");
    }
}

void MonkeyTest::checkLists()
{
    for (int rank = 1; rank <= 12; ++rank) {
        auto *combo = qobject_cast<QComboBox *>(control(QStringLiteral("Combo%1").arg(rank)));
        QCOMPARE(combo->count(), 12);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(combo->itemText(i), signs.at(i));
    }
}

void MonkeyTest::randomInputKeepsTheWindowSound()
{
    MainForm form;
    m_form = &form;
    form.setMessagePresenter([this](QWidget *, const QString &) { ++m_messages; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (int i = 0; i < actionCount; ++i) {
        act();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after action %1 (seed %2)").arg(i).arg(seed)));
        if (i % 1000 == 0) {
            QApplication::processEvents();
            checkLists();
        }
    }
    checkLists();
    qInfo("%d sheets generated, %d refused", m_generated, m_refused);
    QVERIFY(m_generated > 0);

    // The window still answers.
    QApplication::processEvents();
    QTest::mouseClick(control(u"bt2"_qs), Qt::LeftButton);
    QCOMPARE(controlText(control(u"Text1"_qs)), QString());
    QCOMPARE(controlText(control(u"Text2"_qs)), QString());
    m_form = nullptr;
}

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
