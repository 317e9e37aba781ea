#include "ControlFactory.h"

#include "ControlText.h"
#include "FieldEdit.h"
#include "QtText.h"
#include "SelectorBox.h"

#include <QCompleter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <limits>

namespace tavelin::qt {

namespace {

constexpr int unlimitedLength = std::numeric_limits<int>::max();

// Qt centres a line's full height in a one-line field, and a CJK face keeps
// much room above its glyphs: in an 18-pixel box that pushes descenders
// (g, j, p, q, y) under the bottom edge. Lifting the line centres the ink.
constexpr int textLineLift = 3;

QLineEdit *withWholeGlyphs(QLineEdit *edit)
{
    edit->setTextMargins(0, -textLineLift, 0, 0);
    return edit;
}

// Qt scales logical pixels to the screen, so the layout is converted at 96 dpi.
QRect pixelRect(const ui::TwipRect &twips)
{
    return {ui::twipsToPixels(twips.left), ui::twipsToPixels(twips.top), ui::twipsToPixels(twips.width),
            ui::twipsToPixels(twips.height)};
}

QWidget *createLabel(const ui::ControlSpec &row, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (row.role == ui::ControlRole::RequiredMark) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(palette);
    }
    return label;
}

QWidget *createSingleLineText(QWidget *parent)
{
    auto *edit = withWholeGlyphs(new FieldEdit(parent));
    edit->setMaxLength(unlimitedLength);
    return edit;
}

QWidget *createMultiLineText(QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setTabChangesFocus(true);
    return edit;
}

// A selector starts without its field; see attachFields.
QWidget *createSelector(QWidget *parent)
{
    auto *combo = new SelectorBox(parent);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QLineEdit *createField(QComboBox *combo)
{
    auto *field = withWholeGlyphs(new FieldEdit(combo));
    field->setMaxLength(unlimitedLength);
    // On Linux an editable combo reports its text as its name, so the field
    // inside it, which holds the focus, carries the name too.
    field->setAccessibleName(combo->accessibleName());
    // Qt moves a compound widget in the focus chain together with the
    // children that follow it there, so the field goes right after it.
    QWidget::setTabOrder(combo, field);
    return field;
}

// Outside a dialog, auto-default only means that Enter presses the button
// while it has the focus, as Space does; there is no default button.
QWidget *createButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setAutoDefault(true);
    return button;
}

QWidget *createWidget(const ui::ControlSpec &row, QWidget *parent)
{
    switch (row.kind) {
    case ui::ControlKind::Label:
        return createLabel(row, parent);
    case ui::ControlKind::SingleLineText:
        return createSingleLineText(parent);
    case ui::ControlKind::MultiLineText:
        return createMultiLineText(parent);
    case ui::ControlKind::Selector:
        return createSelector(parent);
    case ui::ControlKind::Button:
        return createButton(parent);
    }
    Q_UNREACHABLE();
}

} // namespace

QWidget *createControl(const ui::ControlSpec &row, QWidget *parent)
{
    QWidget *widget = createWidget(row, parent);
    widget->setObjectName(toQString(row.name));
    widget->setGeometry(pixelRect(row.twips));
    widget->setAccessibleName(toQString(row.accessibleName));
    widget->setAccessibleDescription(toQString(row.requiredNote));
    if (row.kind != ui::ControlKind::Selector)
        setControlText(widget, toQString(row.text));
    return widget;
}

void attachFields(const QList<SelectorText> &selectors)
{
    QCompleter inert;
    for (const auto &[combo, text] : selectors) {
        QLineEdit *field = createField(combo);
        field->setCompleter(&inert);
        // A new field shows the current entry, so the entry that the text
        // names, if any, is made current first: the field then changes once.
        setControlText(combo, text);
        combo->setLineEdit(field);
        field->setCompleter(nullptr);
        setControlText(combo, text);
    }
}

} // namespace tavelin::qt
