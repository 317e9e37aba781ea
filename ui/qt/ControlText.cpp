#include "ControlText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace tavelin::qt {

namespace {

// toPlainText() would also turn no-break spaces into spaces; the raw text
// only needs its breaks made into line feeds: a paragraph break for Enter and
// a line separator for Shift+Enter.
QString multiLineText(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

// A text that is no entry of the list leaves no entry selected, so that the
// arrow keys start from the top again.
void setSelectorText(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo->setEditText(text);
}

// A label breaks lines at LF; a CR before it would draw as a stray glyph.
QString labelText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QString controlText(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(control))
        return multiLineText(edit);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return {};
}

void setControlText(QWidget *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        setSelectorText(combo, text);
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        edit->setPlainText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(labelText(text));
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
}

} // namespace tavelin::qt
