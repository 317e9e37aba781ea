#include "WebControls.h"

#include "WebComboBox.h"
#include "WebDom.h"

#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

// The window's geometry, which the style sheet applies where the window
// fits the screen.
void place(val &element, const ui::TwipRect &twips)
{
    setPixels(element, "--left", twips.left);
    setPixels(element, "--top", twips.top);
    setPixels(element, "--width", twips.width);
    setPixels(element, "--height", twips.height);
}

// Where the form is one column wide, captions stand beside their inputs and
// everything else takes a whole line, the title box keeping its required
// mark beside it.
const char *columnPlace(ui::ControlRole role)
{
    switch (role) {
    case ui::ControlRole::RankCaption:
    case ui::ControlRole::CustomTextCaption:
        return "caption";
    case ui::ControlRole::RankSelector:
    case ui::ControlRole::CustomText:
        return "captioned";
    case ui::ControlRole::Title:
        return "marked";
    case ui::ControlRole::RequiredMark:
        return "mark";
    case ui::ControlRole::TitlePrompt:
    case ui::ControlRole::Generate:
    case ui::ControlRole::Reset:
    case ui::ControlRole::Output:
        break;
    }
    return "line";
}

// A caption is a <label> for the control it names. Its text keeps its line
// breaks as they are in the table; the style sheet breaks lines there.
val createLabel(const ui::ControlSpec &row)
{
    val label = createElement(row.captionFor.empty() ? "div" : "label");
    if (!row.captionFor.empty())
        label.set("htmlFor", toJs(row.captionFor));
    label.set("className", val(row.role == ui::ControlRole::RequiredMark ? "label required" : "label"));
    label.set("textContent", toJs(row.text));
    return label;
}

val createTextBox(const ui::ControlSpec &row, const char *tag)
{
    val box = createElement(tag);
    keepTypedTextExact(box);
    setAttribute(box, "aria-label", toJs(row.accessibleName));
    if (!row.requiredNote.empty()) {
        setAttribute(box, "aria-required", val("true"));
        setAttribute(box, "aria-description", toJs(row.requiredNote));
    }
    box.set("value", toJs(row.text));
    return box;
}

val createButton(const ui::ControlSpec &row)
{
    val button = createElement("button");
    button.set("type", val("button"));
    button.set("textContent", toJs(row.text));
    return button;
}

val createElementFor(const ui::ControlSpec &row)
{
    switch (row.kind) {
    case ui::ControlKind::Label:
        return createLabel(row);
    case ui::ControlKind::SingleLineText:
        return createTextBox(row, "input");
    case ui::ControlKind::MultiLineText:
        return createTextBox(row, "textarea");
    case ui::ControlKind::Selector:
        return createComboBox(row);
    case ui::ControlKind::Button:
        return createButton(row);
    }
    return val::null();
}

} // namespace

// The form is laid out at 96 dpi, where a CSS pixel is a device pixel at
// zoom 1; the browser scales it for the screen.
void setPixels(val &element, const char *property, int twips)
{
    const std::string length = std::to_string(ui::twipsToPixels(twips)) + "px";
    element["style"].call<void>("setProperty", val(property), val(length));
}

val createControl(const ui::ControlSpec &row)
{
    val element = createElementFor(row);
    // A combo box names its field, not the box around it.
    if (row.kind != ui::ControlKind::Selector)
        element.set("id", toJs(row.name));
    element["classList"].call<void>("add", val(columnPlace(row.role)));
    place(element, row.twips);
    return element;
}

} // namespace tavelin::web
