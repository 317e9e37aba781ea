#include "MainForm.h"
#include "ChineseTranslation.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using tavelin::qt::MainForm;

namespace {

const QStringList twelveSigns = {u"水瓶座"_qs, u"双鱼座"_qs, u"白羊座"_qs, u"金牛座"_qs, u"双子座"_qs, u"巨蟹座"_qs,
                                 u"狮子座"_qs, u"处女座"_qs, u"天秤座"_qs, u"天蝎座"_qs, u"射手座"_qs, u"摩羯座"_qs};

const QString fullRanking = u"【本周运势】第一名：水瓶座  第二名：双鱼座  第三名：白羊座  第四名：金牛座  "
                            u"第五名：双子座  第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  "
                            u"第十名：天蝎座  第十一名：射手座  第十二名：摩羯座。"_qs;

QString comboName(int rank)
{
    return QStringLiteral("Combo%1").arg(rank);
}

// Types text as an input method or a keyboard layout would deliver it;
// QTest::keyClicks only takes Latin-1.
void typeText(QWidget *widget, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

// The combo's line edit holds the focus for an editable selector.
QString focusedControl()
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && qobject_cast<QComboBox *>(focused->parentWidget()))
        focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAndClientArea();
    void controlsSitWhereTheLayoutPutsThem();
    void maximisingMovesNothing();
    void labelsArePlainWrappedAndNeverFocused();

    void startsEmptyWithPlaceholdersAndFullLists();
    void tabAndShiftTabWalkTheFocusOrder();

    void chineseTypedIntoSelectorIsKeptWithoutCompletion();
    void enterInFieldsPressesNothingAndAddsNoEntry();
    void enterAndSpacePressAFocusedButton();
    void multiLineBoxesTakeEnterButNotTab();
    void escapeDoesNotCloseTheWindow();

    void generateAndResetThroughTheButtons();
    void longTextsComeOutWhole();
    void realMessageBoxIsModalPlainAndChinese();

private:
    template <typename T> T *find(const QString &name) const
    {
        auto *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    void fillValidSheet();
    void click(const QString &button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    QString output() const { return find<QPlainTextEdit>(u"Text2"_qs)->toPlainText(); }

    MainForm *m_form = nullptr;
    QStringList m_messages;
};

void MainFormTest::init()
{
    m_messages.clear();
    m_form = new MainForm;
    m_form->setMessagePresenter([this](QWidget *, const QString &message) { m_messages << message; });
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void MainFormTest::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void MainFormTest::fillValidSheet()
{
    find<QLineEdit>(u"Text1"_qs)->setText(u"本周运势"_qs);
    for (int rank = 1; rank <= 12; ++rank)
        find<QComboBox>(comboName(rank))->setCurrentIndex(rank - 1);
}

void MainFormTest::windowAndClientArea()
{
    QCOMPARE(m_form->windowTitle(), u"Tavelin"_qs);
    QCOMPARE(m_form->size(), QSize(501, 478));
    QVERIFY(m_form->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!m_form->inherits("QDialog"));
}

void MainFormTest::controlsSitWhereTheLayoutPutsThem()
{
    QCOMPARE(find<QLabel>(u"Label1"_qs)->geometry(), QRect(24, 24, 121, 17));
    QCOMPARE(find<QLineEdit>(u"Text1"_qs)->geometry(), QRect(160, 24, 153, 18));
    QCOMPARE(find<QLabel>(u"Label3(1)"_qs)->geometry(), QRect(176, 192, 65, 17));
    QCOMPARE(find<QPlainTextEdit>(u"Text3"_qs)->geometry(), QRect(56, 232, 417, 57));
    QCOMPARE(find<QPushButton>(u"bt2"_qs)->geometry(), QRect(296, 296, 81, 25));
    QCOMPARE(find<QPlainTextEdit>(u"Text2"_qs)->geometry(), QRect(32, 336, 441, 129));

    const QRect combo12 = find<QComboBox>(u"Combo12"_qs)->geometry();
    QCOMPARE(combo12.topLeft(), QPoint(400, 192));
    QCOMPARE(combo12.width(), 73);
}

void MainFormTest::maximisingMovesNothing()
{
    const QRect before = find<QPlainTextEdit>(u"Text2"_qs)->geometry();
    m_form->resize(900, 700);
    QCOMPARE(find<QPlainTextEdit>(u"Text2"_qs)->geometry(), before);
    QCOMPARE(find<QLabel>(u"Label1"_qs)->pos(), QPoint(24, 24));
}

void MainFormTest::labelsArePlainWrappedAndNeverFocused()
{
    for (QLabel *label : m_form->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        if (label->objectName() != u"Label4"_qs) // the one caption that stacks its characters
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName() + u" does not fit on one line"_qs));
    }
    QCOMPARE(find<QLabel>(u"Label2"_qs)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(find<QLabel>(u"Label1"_qs)->palette().color(QPalette::WindowText),
             m_form->palette().color(QPalette::WindowText));

    auto *custom = find<QLabel>(u"Label4"_qs);
    QCOMPARE(custom->text(), u"自\n定\n义\n文\n本"_qs);
    QVERIFY2(custom->height() >= 5 * custom->fontMetrics().lineSpacing(), "all five characters show");
    QCOMPARE(find<QPushButton>(u"bt1"_qs)->text(), u"生成排行榜"_qs);
    QCOMPARE(find<QLabel>(u"Label3(8)"_qs)->text(), u"第十二名："_qs);
}

void MainFormTest::startsEmptyWithPlaceholdersAndFullLists()
{
    QCOMPARE(find<QLineEdit>(u"Text1"_qs)->text(), QString());
    QCOMPARE(output(), QString());
    QCOMPARE(find<QPlainTextEdit>(u"Text3"_qs)->toPlainText(), QString());
    for (int rank = 1; rank <= 12; ++rank) {
        auto *combo = find<QComboBox>(comboName(rank));
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        QCOMPARE(combo->currentText(), u"-请选择-"_qs);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(entries, twelveSigns);
    }
    QCOMPARE(focusedControl(), u"Text1"_qs);
}

void MainFormTest::tabAndShiftTabWalkTheFocusOrder()
{
    const QStringList order = {u"Text2"_qs,   u"bt1"_qs,     u"bt2"_qs,     u"Combo1"_qs, u"Combo2"_qs, u"Combo3"_qs,
                               u"Combo4"_qs,  u"Combo5"_qs,  u"Combo6"_qs,  u"Combo7"_qs, u"Combo8"_qs, u"Combo9"_qs,
                               u"Combo10"_qs, u"Combo11"_qs, u"Combo12"_qs, u"Text3"_qs,  u"Text1"_qs};
    QStringList forward;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusedControl();
    }
    QCOMPARE(forward, order);

    QStringList backward;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << focusedControl();
    }
    QStringList expectedBack(order.rbegin() + 1, order.rend());
    expectedBack << u"Text1"_qs;
    QCOMPARE(backward, expectedBack);
}

void MainFormTest::chineseTypedIntoSelectorIsKeptWithoutCompletion()
{
    auto *combo = find<QComboBox>(u"Combo3"_qs);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    typeText(combo->lineEdit(), u"白"_qs);
    QCOMPARE(combo->currentText(), u"白"_qs);
    typeText(combo->lineEdit(), u"羊"_qs);
    QCOMPARE(combo->currentText(), u"白羊"_qs);
    QCOMPARE(combo->count(), 12);
}

void MainFormTest::enterInFieldsPressesNothingAndAddsNoEntry()
{
    fillValidSheet();
    auto *combo = find<QComboBox>(u"Combo5"_qs);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    typeText(combo->lineEdit(), u"自创星座"_qs);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Enter);
    QTest::keyClick(find<QLineEdit>(u"Text1"_qs), Qt::Key_Return);

    QCOMPARE(combo->count(), 12);
    QCOMPARE(combo->findText(u"自创星座"_qs), -1);
    QCOMPARE(combo->currentText(), u"自创星座"_qs);
    QCOMPARE(output(), QString());
    QVERIFY(m_messages.isEmpty());
}

void MainFormTest::enterAndSpacePressAFocusedButton()
{
    auto *generate = find<QPushButton>(u"bt1"_qs);
    QVERIFY(!generate->isDefault());
    QVERIFY(!find<QPushButton>(u"bt2"_qs)->isDefault());
    generate->setFocus();
    QTest::keyClick(generate, Qt::Key_Return);
    QTest::keyClick(generate, Qt::Key_Space);
    QCOMPARE(m_messages, QStringList({u"请填写排行榜标题！"_qs, u"请填写排行榜标题！"_qs}));
}

void MainFormTest::multiLineBoxesTakeEnterButNotTab()
{
    auto *custom = find<QPlainTextEdit>(u"Text3"_qs);
    QCOMPARE(custom->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(custom->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(custom->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    custom->setFocus();
    QTest::keyClicks(custom, "ab");
    QTest::keyClick(custom, Qt::Key_Return);
    QTest::keyClicks(custom, "c");
    QTest::keyClick(custom, Qt::Key_Tab);
    QCOMPARE(custom->toPlainText(), u"ab\nc"_qs);
    QCOMPARE(focusedControl(), u"Text1"_qs);
}

void MainFormTest::escapeDoesNotCloseTheWindow()
{
    QTest::keyClick(find<QLineEdit>(u"Text1"_qs), Qt::Key_Escape);
    QVERIFY(m_form->isVisible());
}

void MainFormTest::generateAndResetThroughTheButtons()
{
    fillValidSheet();
    typeText(find<QPlainTextEdit>(u"Text3"_qs), u"abc"_qs);
    click(u"bt1"_qs);
    click(u"bt1"_qs);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(output(), fullRanking + u"abc"_qs);

    click(u"bt2"_qs);
    click(u"bt2"_qs);
    QCOMPARE(find<QLineEdit>(u"Text1"_qs)->text(), QString());
    QCOMPARE(output(), QString());
    QCOMPARE(find<QPlainTextEdit>(u"Text3"_qs)->toPlainText(), u"abc"_qs);
    for (int rank = 1; rank <= 12; ++rank) {
        QCOMPARE(find<QComboBox>(comboName(rank))->currentText(), u"-请选择-"_qs);
        QCOMPARE(find<QComboBox>(comboName(rank))->count(), 12);
    }
}

void MainFormTest::longTextsComeOutWhole()
{
    const QString title(100000, u'榜');
    const QString pick = QString(100000, u'x') + u'1';
    const QString custom = QString(100000, u'文') + u"\nend"_qs;
    fillValidSheet();
    find<QLineEdit>(u"Text1"_qs)->setText(title);
    find<QComboBox>(u"Combo1"_qs)->setEditText(pick);
    find<QPlainTextEdit>(u"Text3"_qs)->setPlainText(custom);
    click(u"bt1"_qs);

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(find<QLineEdit>(u"Text1"_qs)->text().size(), 100000);
    QCOMPARE(find<QComboBox>(u"Combo1"_qs)->currentText(), pick);
    const QString expected = u'【' + title + u"】第一名："_qs + pick + fullRanking.mid(13) + custom;
    QCOMPARE(output().size(), expected.size());
    QVERIFY(output() == expected);
}

void MainFormTest::realMessageBoxIsModalPlainAndChinese()
{
    m_form->setMessagePresenter(tavelin::qt::showModalMessage);
    find<QLineEdit>(u"Text1"_qs)->setText(u"<b>榜</b>"_qs);

    QString text, title, buttonText;
    QMessageBox::Icon icon = QMessageBox::Critical;
    qsizetype buttons = 0;
    bool ownedAndModal = false;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        format = box->textFormat();
        buttons = box->buttons().size();
        buttonText = box->buttons().value(0)->text();
        ownedAndModal = box->parentWidget() == m_form && box->isModal();
        QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
    });
    click(u"bt1"_qs);

    QCOMPARE(text, u"请选择排名第一的星座！"_qs);
    QCOMPARE(title, u"Tavelin"_qs);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(buttons, 1);
    QCOMPARE(buttonText.remove(u'&'), u"确定"_qs);
    QVERIFY(ownedAndModal);
    QVERIFY(!QApplication::activeModalWidget());
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (!tavelin::qt::installChineseQtTranslation(application))
        qWarning("Qt's Chinese translation is missing");
    MainFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainFormTest.moc"
