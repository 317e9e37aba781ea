#include "WebControls.h"

#include "WebComboBox.h"
#include "WebDom.h"

#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

void place(val &element, const ui::TwipRect &twips)
{
    val style = element["style"];
    style.set("left", pixels(twips.left));
    style.set("top", pixels(twips.top));
    style.set("width", pixels(twips.width));
    style.set("height", pixels(twips.height));
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
val pixels(int twips)
{
    return val(std::to_string(ui::twipsToPixels(twips)) + "px");
}

val createControl(const ui::ControlSpec &row)
{
    val element = createElementFor(row);
    // A combo box names its field, not the box around it.
    if (row.kind != ui::ControlKind::Selector)
        element.set("id", toJs(row.name));
    place(element, row.twips);
    return element;
}

} // namespace tavelin::web
