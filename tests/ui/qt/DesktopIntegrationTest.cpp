#include "MainForm.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using tavelin::qt::MainForm;

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QString labelledBy(QWidget *widget)
{
    const auto relations = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
    return relations.isEmpty() ? QString() : relations.first().first->text(QAccessible::Name);
}

// What an input method sends: a composition in progress, then the result.
void composeAndCommit(QWidget *target, const QString &preedit, const QString &commit)
{
    QInputMethodEvent composing(preedit, {});
    QApplication::sendEvent(target, &composing);
    QInputMethodEvent committing;
    committing.setCommitString(commit);
    QApplication::sendEvent(target, &committing);
}

} // namespace

class DesktopIntegrationTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_form = new MainForm;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() { delete m_form; }

    void inputControlsAreNamedAfterTheirCaptions_data();
    void inputControlsAreNamedAfterTheirCaptions();
    void captionsAndButtonsKeepTheirOwnTexts();
    void inputMethodCommitsLikeTypedText();

private:
    template <typename T> T *find(const QString &name) const { return m_form->findChild<T *>(name); }
    MainForm *m_form = nullptr;
};

void DesktopIntegrationTest::inputControlsAreNamedAfterTheirCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("title") << u"Text1"_qs << u"排行榜的名字"_qs;
    QTest::newRow("rank 1") << u"Combo1"_qs << u"第一名"_qs;
    QTest::newRow("rank 4") << u"Combo4"_qs << u"第四名"_qs;
    QTest::newRow("rank 11") << u"Combo11"_qs << u"第十一名"_qs;
    QTest::newRow("rank 12") << u"Combo12"_qs << u"第十二名"_qs;
    QTest::newRow("custom text") << u"Text3"_qs << u"自定义文本"_qs;
    QTest::newRow("output") << u"Text2"_qs << u"生成的排行榜"_qs;
}

void DesktopIntegrationTest::inputControlsAreNamedAfterTheirCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *widget = find<QWidget>(control);
    QCOMPARE(widget->accessibleName(), name);
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        // Linux screen readers take an editable combo's name from its label
        // relation; its field carries the name itself.
        QCOMPARE(accessibleName(combo->lineEdit()), name);
        QVERIFY(labelledBy(combo).startsWith(name));
    } else {
        QCOMPARE(accessibleName(widget), name);
    }
}

void DesktopIntegrationTest::captionsAndButtonsKeepTheirOwnTexts()
{
    QCOMPARE(accessibleName(find<QPushButton>(u"bt1"_qs)), u"生成排行榜"_qs);
    QCOMPARE(accessibleName(find<QPushButton>(u"bt2"_qs)), u"重置"_qs);
    QCOMPARE(accessibleName(find<QLabel>(u"Label1"_qs)), u"请输入排行榜的名字："_qs);
    QCOMPARE(find<QLabel>(u"Label3(0)"_qs)->text(), u"第一名："_qs);
}

void DesktopIntegrationTest::inputMethodCommitsLikeTypedText()
{
    auto *title = find<QLineEdit>(u"Text1"_qs);
    title->setFocus();
    composeAndCommit(title, u"paihangbang"_qs, u"排行榜"_qs);
    QCOMPARE(title->text(), u"排行榜"_qs);

    auto *combo = find<QComboBox>(u"Combo2"_qs);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    composeAndCommit(combo->lineEdit(), u"bai"_qs, u"白"_qs);
    QCOMPARE(combo->currentText(), u"白"_qs);
    QCOMPARE(combo->count(), 12);

    auto *custom = find<QPlainTextEdit>(u"Text3"_qs);
    custom->setFocus();
    composeAndCommit(custom, u"zidingyi"_qs, u"自定义"_qs);
    composeAndCommit(custom, u"wenben"_qs, u"文本"_qs);
    QCOMPARE(custom->toPlainText(), u"自定义文本"_qs);
}

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
