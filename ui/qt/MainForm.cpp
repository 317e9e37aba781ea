#include "MainForm.h"

#include "ControlFactory.h"
#include "ControlTable.h"
#include "ControlText.h"
#include "MainFormHandlers.h"
#include "QtText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace tavelin::qt {

// Every caption fits its label on one line at this size, and Qt scales it
// with the screen. The Simplified Chinese faces come first so that no
// Japanese glyph forms are picked for Chinese text.
QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei UI")});
    font.setPixelSize(12);
    return font;
}

MainForm::MainForm(QWidget *parent)
    : QWidget(parent)
    , m_announcer(new Announcer(this))
{
    const ui::FormSpec &form = ui::mainForm();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQString(form.title));
    setFont(formFont());
    resize(ui::twipsToPixels(form.clientWidthTwips), ui::twipsToPixels(form.clientHeightTwips));

    createControls();
    ui::Form_Load(*this);
    attachSelectorFields();
    setFocusChain(); // once every field is in the chain
    connectHandlers();
}

void MainForm::setMessagePresenter(MessagePresenter presenter)
{
    m_presentMessage = std::move(presenter);
}

void MainForm::createControls()
{
    for (const ui::ControlSpec &row : ui::controlTable()) {
        QWidget *widget = createControl(row, this);
        m_controls.insert(toQString(row.name), widget);
        if (row.kind == ui::ControlKind::Selector)
            m_heldTexts.insert(widget, toQString(row.text));
    }
    linkCaptions();
}

void MainForm::attachSelectorFields()
{
    QList<SelectorText> selectors;
    for (const ui::ControlSpec &row : ui::controlTable()) {
        if (row.kind == ui::ControlKind::Selector)
            selectors.append({qobject_cast<QComboBox *>(control(row.name)), m_heldTexts.take(control(row.name))});
    }
    attachFields(selectors);
}

// Lets assistive technology relate each caption to the control it names.
// Orca names a control after its caption, so a caption is known to it by the
// control's name: without the colon, which speech would read out as a word,
// and with the stacked characters of 自定义文本 as one word.
void MainForm::linkCaptions()
{
    for (const ui::ControlSpec &row : ui::controlTable()) {
        if (row.captionFor.empty())
            continue;
        auto *caption = qobject_cast<QLabel *>(control(row.name));
        caption->setBuddy(control(row.captionFor));
        caption->setAccessibleName(control(row.captionFor)->accessibleName());
    }
}

void MainForm::setFocusChain()
{
    const auto order = ui::focusOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(order[i - 1]), control(order[i]));
    control(order.front())->setFocus();
}

void MainForm::connectHandlers()
{
    for (const ui::ControlSpec &row : ui::controlTable()) {
        if (const ui::ClickHandler handler = ui::clickHandler(row.name)) {
            auto *button = qobject_cast<QAbstractButton *>(control(row.name));
            connect(button, &QAbstractButton::clicked, this, [this, handler] { handler(*this); });
        }
    }
}

QWidget *MainForm::control(std::u16string_view name) const
{
    QWidget *widget = m_controls.value(toQString(name));
    Q_ASSERT(widget);
    return widget;
}

std::u16string MainForm::text(std::u16string_view control) const
{
    QWidget *widget = this->control(control);
    const auto held = m_heldTexts.constFind(widget);
    return toU16(held != m_heldTexts.cend() ? *held : controlText(widget));
}

void MainForm::setText(std::u16string_view control, std::u16string_view text)
{
    QWidget *widget = this->control(control);
    if (const auto held = m_heldTexts.find(widget); held != m_heldTexts.end())
        *held = toQString(text);
    else
        setControlText(widget, toQString(text));
}

// QComboBox selects the first entry added to an empty list and shows it;
// the field must keep its text. Later entries change nothing.
void MainForm::appendEntry(std::u16string_view selector, std::u16string_view entry)
{
    auto *combo = qobject_cast<QComboBox *>(control(selector));
    const std::u16string shown = text(selector);
    combo->addItem(toQString(entry));
    if (combo->count() == 1)
        setText(selector, shown);
}

void MainForm::showMessage(std::u16string_view message)
{
    m_presentMessage(this, toQString(message));
}

void MainForm::announce(std::u16string_view text)
{
    m_announcer->announce(toQString(text));
}

} // namespace tavelin::qt
