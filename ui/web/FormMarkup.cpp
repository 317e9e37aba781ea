#include "FormMarkup.h"

#include "ControlTable.h"
#include "FormOperations.h"
#include "MainFormHandlers.h"
#include "PageNames.h"

#include <stdexcept>

namespace tavelin::web {

namespace {

using ui::ControlKind;
using ui::ControlRole;
using ui::ControlSpec;

std::u16string ascii(std::string_view text)
{
    return {text.begin(), text.end()};
}

// The form is laid out at 96 dpi, where a CSS pixel is a device pixel at
// zoom 1; the browser scales it for the screen.
std::u16string pixels(int twips)
{
    return ascii(std::to_string(ui::twipsToPixels(twips)) + "px");
}

// The window's geometry, which the style sheet applies where the window
// fits the screen.
std::u16string place(const ui::TwipRect &twips)
{
    return u"--left:" + pixels(twips.left) + u";--top:" + pixels(twips.top) + u";--width:" + pixels(twips.width)
        + u";--height:" + pixels(twips.height);
}

// Where the form is one column wide, captions stand beside their inputs and
// everything else takes a whole line, the title box keeping its required
// mark beside it.
std::u16string_view columnPlace(ControlRole role)
{
    switch (role) {
    case ControlRole::RankCaption:
    case ControlRole::CustomTextCaption:
        return u"caption";
    case ControlRole::RankSelector:
    case ControlRole::CustomText:
        return u"captioned";
    case ControlRole::Title:
        return u"marked";
    case ControlRole::RequiredMark:
        return u"mark";
    case ControlRole::TitlePrompt:
    case ControlRole::Generate:
    case ControlRole::Reset:
    case ControlRole::Output:
        break;
    }
    return u"line";
}

// An input holds its text in its value, a textarea as its content.
void setFieldText(HtmlElement &field, std::u16string_view text)
{
    if (field.tag() == "input")
        field.set("value", text);
    else
        field.setText(text);
}

// What the user types or an input method commits stays as it is: no
// autofill, completion, spelling correction or capitalisation.
HtmlElement field(const char *tag, const ControlSpec &row)
{
    HtmlElement field(tag);
    field.set("id", row.name).set("autocomplete", u"off").set("autocapitalize", u"off");
    field.set("autocorrect", u"off").set("spellcheck", u"false").set("aria-label", row.accessibleName);
    setFieldText(field, row.text);
    return field;
}

// A caption is a <label> for the control it names. Its text keeps its line
// breaks as they are in the table; the style sheet breaks lines there.
HtmlElement label(const ControlSpec &row)
{
    HtmlElement label(row.captionFor.empty() ? "div" : "label");
    label.set("id", row.name);
    if (!row.captionFor.empty())
        label.set("for", row.captionFor);
    label.set("class", row.role == ControlRole::RequiredMark ? u"label required" : u"label");
    label.setText(row.text);
    return label;
}

HtmlElement textBox(const ControlSpec &row, const char *tag)
{
    HtmlElement box = field(tag, row);
    if (!row.requiredNote.empty())
        box.set("aria-required", u"true").set("aria-description", row.requiredNote);
    return box;
}

HtmlElement button(const ControlSpec &row)
{
    HtmlElement button("button");
    button.set("type", u"button").set("id", row.name);
    button.setText(row.text);
    return button;
}

// An editable combo box after the WAI-ARIA combobox pattern. The list button
// is outside the focus order, as in the pattern; the field takes the focus.
HtmlElement comboBox(const ControlSpec &row)
{
    const std::u16string list = page::listId(row.name);
    HtmlElement box("div");
    box.set("class", std::u16string(page::comboClass));
    box.append(field("input", row))
        .set("role", page::fieldRole)
        .set("aria-autocomplete", u"none")
        .set("aria-expanded", u"false")
        .set("aria-controls", list);
    box.append(HtmlElement("button"))
        .set("type", u"button")
        .set("tabindex", u"-1")
        .set("aria-label", row.accessibleName)
        .set("aria-expanded", u"false")
        .set("aria-controls", list);
    box.append(HtmlElement("ul"))
        .set("id", list)
        .set("hidden")
        .set("role", page::listRole)
        .set("aria-label", row.accessibleName);
    return box;
}

HtmlElement control(const ControlSpec &row)
{
    switch (row.kind) {
    case ControlKind::Label:
        return label(row);
    case ControlKind::SingleLineText:
        return textBox(row, "input");
    case ControlKind::MultiLineText:
        return textBox(row, "textarea");
    case ControlKind::Selector:
        return comboBox(row);
    case ControlKind::Button:
        return button(row);
    }
    throw std::logic_error("a control of no known kind");
}

// The control, with its place in both layouts.
HtmlElement placedControl(const ControlSpec &row)
{
    HtmlElement element = control(row);
    const std::u16string *classes = element.attribute("class");
    element.set("class", (classes ? *classes + u" " : u"") + std::u16string(columnPlace(row.role)));
    element.set("style", place(row.twips));
    return element;
}

// The form in memory, for Form_Load to fill in as it would the window.
class LoadingForm : public ui::FormOperations
{
public:
    explicit LoadingForm(HtmlElement &form)
        : m_form(form)
    { }

    std::u16string text(std::u16string_view control) const override
    {
        const HtmlElement &field = find(control);
        if (field.tag() != "input")
            return field.text();
        const std::u16string *value = field.attribute("value");
        return value ? *value : std::u16string();
    }

    void setText(std::u16string_view control, std::u16string_view text) override { setFieldText(find(control), text); }

    void appendEntry(std::u16string_view selector, std::u16string_view entry) override
    {
        const std::u16string list = page::listId(selector);
        HtmlElement &options = find(list);
        const std::u16string id = list + u"-" + ascii(std::to_string(options.children().size()));
        options.append(HtmlElement("li")).set("id", id).set("role", page::optionRole).setText(entry);
    }

    void showMessage(std::u16string_view) override { throw std::logic_error("a message box while the form loads"); }
    void announce(std::u16string_view) override { throw std::logic_error("an announcement while the form loads"); }

private:
    HtmlElement &find(std::u16string_view id) const
    {
        if (HtmlElement *element = m_form.findById(id))
            return *element;
        throw std::logic_error("no control of that name");
    }

    HtmlElement &m_form;
};

// Tab walks the focus order; the title box, first in it, has the focus as
// the page opens, before any of its code runs.
void setFocusOrder(HtmlElement &form)
{
    const auto order = ui::focusOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        form.findById(order[i])->set("tabindex", ascii(std::to_string(i + 1)));
    form.findById(order.front())->set("autofocus");
}

HtmlElement loadedForm()
{
    const ui::FormSpec &window = ui::mainForm();
    HtmlElement form("main");
    form.set("id", page::formId)
        .set("style", u"--width:" + pixels(window.clientWidthTwips) + u";--height:" + pixels(window.clientHeightTwips));
    for (const ControlSpec &row : ui::controlTable())
        form.append(placedControl(row));
    setFocusOrder(form);
    LoadingForm loading(form);
    ui::Form_Load(loading);
    return form;
}

HtmlElement part(const char *tag, std::u16string_view id)
{
    HtmlElement part(tag);
    part.set("id", id);
    return part;
}

// A modal <dialog> with the program's title, the message and one 确定
// button, no icon. A form with method "dialog" closes it when its button is
// pressed; it is no part of what the box says, so screen readers are not
// told of a form.
HtmlElement messageBox()
{
    HtmlElement box = part("dialog", page::messageBoxId);
    box.set("aria-labelledby", page::messageTitleId).set("aria-describedby", page::messageTextId);
    box.append(part("div", page::messageTitleId)).setText(ui::mainForm().title);
    box.append(part("p", page::messageTextId));
    box.append(HtmlElement("form"))
        .set("method", u"dialog")
        .set("role", u"none")
        .append(HtmlElement("button"))
        .setText(u"确定");
    return box;
}

HtmlElement announcement()
{
    HtmlElement region = part("div", page::announcementId);
    region.set("class", u"unseen").set("role", u"status");
    return region;
}

void replaceAll(std::string &text, std::string_view mark, const std::string &by)
{
    std::size_t at = text.find(mark);
    if (at == std::string::npos)
        throw std::invalid_argument("the shell has no " + std::string(mark));
    for (; at != std::string::npos; at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
}

} // namespace

std::vector<HtmlElement> pageBody()
{
    std::vector<HtmlElement> body;
    body.push_back(loadedForm());
    body.push_back(messageBox());
    body.push_back(announcement());
    return body;
}

std::string writePage(std::string_view shell)
{
    std::string markup;
    for (const HtmlElement &element : pageBody())
        markup += element.toHtml() + "\n";
    std::string page(shell);
    replaceAll(page, "{{form}}", markup);
    replaceAll(page, "{{formWidth}}", std::to_string(ui::twipsToPixels(ui::mainForm().clientWidthTwips)) + "px");
    return page;
}

} // namespace tavelin::web
