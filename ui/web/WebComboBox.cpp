#include "WebComboBox.h"

#include "WebDom.h"

#include <emscripten/bind.h>

#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

std::u16string listId(std::u16string_view fieldId)
{
    return std::u16string(fieldId) + u"-list";
}

// No completion, no autofill and no key handling: the field keeps exactly
// what was typed or committed by an input method, and Enter does nothing.
val createField(const ui::ControlSpec &row)
{
    val field = createElement("input");
    field.set("id", toJs(row.name));
    keepTypedTextExact(field);
    setAttribute(field, "role", val("combobox"));
    setAttribute(field, "aria-autocomplete", val("none"));
    setAttribute(field, "aria-expanded", val("false"));
    setAttribute(field, "aria-controls", toJs(listId(row.name)));
    setAttribute(field, "aria-label", toJs(row.accessibleName));
    field.set("value", toJs(row.text));
    listen(field, "blur", "tavelinCloseList");
    return field;
}

// Outside the focus order, as in the pattern; the field takes the focus.
val createListButton(const ui::ControlSpec &row)
{
    val button = createElement("button");
    button.set("type", val("button"));
    button.set("tabIndex", -1);
    setAttribute(button, "aria-label", toJs(row.accessibleName));
    setAttribute(button, "aria-expanded", val("false"));
    setAttribute(button, "aria-controls", toJs(listId(row.name)));
    listen(button, "mousedown", "tavelinKeepFocus");
    listen(button, "click", "tavelinToggleList");
    return button;
}

val createList(const ui::ControlSpec &row)
{
    val list = createElement("ul");
    list.set("id", toJs(listId(row.name)));
    list.set("hidden", true);
    setAttribute(list, "role", val("listbox"));
    setAttribute(list, "aria-label", toJs(row.accessibleName));
    listen(list, "mousedown", "tavelinKeepFocus");
    listen(list, "click", "tavelinChooseOption");
    return list;
}

val boxOf(const val &element)
{
    return element.call<val>("closest", val(".combo"));
}

val partOf(const val &box, const char *selector)
{
    return box.call<val>("querySelector", val(selector));
}

void setListOpen(const val &box, bool open)
{
    partOf(box, "[role=listbox]").set("hidden", !open);
    for (val part : {partOf(box, "[role=combobox]"), partOf(box, "button")})
        setAttribute(part, "aria-expanded", val(open ? "true" : "false"));
}

// Pressing the button or an option must not take the focus from the field,
// whose blur would close the list before the click arrives.
void keepFocus(val event)
{
    event.call<void>("preventDefault");
}

void toggleList(val event)
{
    const val box = boxOf(event["currentTarget"]);
    setListOpen(box, partOf(box, "[role=listbox]")["hidden"].as<bool>());
    partOf(box, "[role=combobox]").call<void>("focus");
}

void chooseOption(val event)
{
    const val option = event["target"].call<val>("closest", val("[role=option]"));
    if (option.isNull())
        return;
    const val box = boxOf(option);
    partOf(box, "[role=combobox]").set("value", option["textContent"]);
    setListOpen(box, false);
}

void closeList(val event)
{
    setListOpen(boxOf(event["currentTarget"]), false);
}

} // namespace

val createComboBox(const ui::ControlSpec &row)
{
    val box = createElement("div");
    box.set("className", val("combo"));
    box.call<void>("append", createField(row), createListButton(row), createList(row));
    return box;
}

void appendOption(const val &field, std::u16string_view entry)
{
    val option = createElement("li");
    setAttribute(option, "role", val("option"));
    option.set("textContent", toJs(entry));
    partOf(boxOf(field), "[role=listbox]").call<void>("append", option);
}

EMSCRIPTEN_BINDINGS(tavelin_combo_box)
{
    emscripten::function("tavelinKeepFocus", &keepFocus);
    emscripten::function("tavelinToggleList", &toggleList);
    emscripten::function("tavelinChooseOption", &chooseOption);
    emscripten::function("tavelinCloseList", &closeList);
}

} // namespace tavelin::web
