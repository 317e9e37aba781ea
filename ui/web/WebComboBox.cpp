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

// No completion and no autofill: the field keeps exactly what was typed or
// committed by an input method. Its keys only open, walk and close the list.
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
    listen(field, "keydown", "tavelinFieldKeyDown");
    listen(field, "input", "tavelinFieldEdited");
    return field;
}

// Outside the focus order, as in the pattern; the field takes the focus,
// except after a tap (see toggleList).
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
    listen(list, "mouseover", "tavelinOptionPointed");
    listen(list, "click", "tavelinOptionClicked");
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

bool isListOpen(const val &box)
{
    return !partOf(box, "[role=listbox]")["hidden"].as<bool>();
}

val activeOption(const val &box)
{
    return partOf(box, "[aria-selected=true]");
}

// The field keeps the focus; the active option is announced through it and
// shown highlighted. A null option leaves none active.
void setActiveOption(const val &box, val option)
{
    val field = partOf(box, "[role=combobox]");
    if (val previous = activeOption(box); !previous.isNull())
        previous.call<void>("removeAttribute", val("aria-selected"));
    if (option.isNull()) {
        field.call<void>("removeAttribute", val("aria-activedescendant"));
        return;
    }
    setAttribute(option, "aria-selected", val("true"));
    setAttribute(field, "aria-activedescendant", option["id"]);
    val nearest = val::object();
    nearest.set("block", val("nearest"));
    option.call<void>("scrollIntoView", nearest);
}

// Down from no active option goes to the first, Up to the last; both stop
// at the ends.
void moveActiveOption(const val &box, bool down)
{
    const val active = activeOption(box);
    const val next = active.isNull() ? partOf(box, "[role=listbox]")[down ? "firstElementChild" : "lastElementChild"]
                                     : active[down ? "nextElementSibling" : "previousElementSibling"];
    if (!next.isNull())
        setActiveOption(box, next);
}

// The option whose text is the field's, or null.
val optionEqualToField(const val &box)
{
    const val text = partOf(box, "[role=combobox]")["value"];
    for (val option = partOf(box, "[role=listbox]")["firstElementChild"]; !option.isNull();
         option = option["nextElementSibling"])
        if (option["textContent"].strictlyEquals(text))
            return option;
    return val::null();
}

// An opened list shows the field's text as its active option, if it is one.
void setListOpen(const val &box, bool open)
{
    setActiveOption(box, val::null());
    partOf(box, "[role=listbox]").set("hidden", !open);
    for (val part : {partOf(box, "[role=combobox]"), partOf(box, "button")})
        setAttribute(part, "aria-expanded", val(open ? "true" : "false"));
    if (open)
        setActiveOption(box, optionEqualToField(box));
}

// Pressing the button or an option must not take the focus from the field,
// whose blur would close the list before the click arrives.
void keepFocus(val event)
{
    event.call<void>("preventDefault");
}

// After a tap the button takes the focus, as focus in the field would raise
// the on-screen keyboard over the list.
void toggleList(val event)
{
    val button = event["currentTarget"];
    const val box = boxOf(button);
    setListOpen(box, !isListOpen(box));
    const bool tapped = event["pointerType"].strictlyEquals(val("touch"));
    (tapped ? button : partOf(box, "[role=combobox]")).call<void>("focus");
}

// The field takes the text of the option, if there is one, as it is, and
// the list closes.
void choose(const val &box, const val &option)
{
    if (!option.isNull())
        partOf(box, "[role=combobox]").set("value", option["textContent"]);
    setListOpen(box, false);
}

val optionAt(const val &event)
{
    return event["target"].call<val>("closest", val("[role=option]"));
}

void optionClicked(val event)
{
    if (const val option = optionAt(event); !option.isNull())
        choose(boxOf(option), option);
}

// The pointer moves the one highlight that the keys move too.
void optionPointed(val event)
{
    if (const val option = optionAt(event); !option.isNull())
        setActiveOption(boxOf(option), option);
}

// With the list closed, Down and Alt+Down open it; every other key is the
// browser's, so Enter does nothing.
bool keyWithListClosed(const val &box, const std::string &key)
{
    if (key != "ArrowDown")
        return false;
    setListOpen(box, true);
    return true;
}

// With the list open, Down and Up move the active option, Enter chooses it
// or, with none active, keeps the typed text, and Escape and Alt+Up close
// the list.
bool keyWithListOpen(const val &box, const std::string &key, bool alt)
{
    if (key == "ArrowDown" && !alt)
        moveActiveOption(box, true);
    else if (key == "ArrowUp" && !alt)
        moveActiveOption(box, false);
    else if (key == "Enter")
        choose(box, activeOption(box));
    else if (key == "Escape" || key == "ArrowUp")
        setListOpen(box, false);
    else
        return false;
    return true;
}

// Keys of an input method's composition are its own, and so are those held
// with Ctrl, Meta or Shift.
bool isLeftToBrowser(const val &event)
{
    return event["isComposing"].as<bool>() || event["keyCode"].as<int>() == 229 || event["ctrlKey"].as<bool>()
        || event["metaKey"].as<bool>() || event["shiftKey"].as<bool>();
}

void fieldKeyDown(val event)
{
    if (isLeftToBrowser(event))
        return;
    const val box = boxOf(event["currentTarget"]);
    const std::string key = event["key"].as<std::string>();
    if (isListOpen(box) ? keyWithListOpen(box, key, event["altKey"].as<bool>()) : keyWithListClosed(box, key))
        event.call<void>("preventDefault");
}

// Once the user edits the text, Enter must not replace it with an option.
void fieldEdited(val event)
{
    setActiveOption(boxOf(event["currentTarget"]), val::null());
}

// The list closes once the focus leaves the box: the field, or the button
// after a tap.
void focusLeft(val event)
{
    const val box = event["currentTarget"];
    if (!box.call<bool>("contains", event["relatedTarget"]))
        setListOpen(box, false);
}

} // namespace

val createComboBox(const ui::ControlSpec &row)
{
    val box = createElement("div");
    box.set("className", val("combo"));
    box.call<void>("append", createField(row), createListButton(row), createList(row));
    listen(box, "focusout", "tavelinFocusLeft");
    return box;
}

void appendOption(const val &field, std::u16string_view entry)
{
    val option = createElement("li");
    val list = partOf(boxOf(field), "[role=listbox]");
    option.set("id", list["id"].as<std::string>() + "-" + std::to_string(list["childElementCount"].as<int>()));
    setAttribute(option, "role", val("option"));
    option.set("textContent", toJs(entry));
    list.call<void>("append", option);
}

EMSCRIPTEN_BINDINGS(tavelin_combo_box)
{
    emscripten::function("tavelinKeepFocus", &keepFocus);
    emscripten::function("tavelinToggleList", &toggleList);
    emscripten::function("tavelinOptionClicked", &optionClicked);
    emscripten::function("tavelinFocusLeft", &focusLeft);
    emscripten::function("tavelinOptionPointed", &optionPointed);
    emscripten::function("tavelinFieldKeyDown", &fieldKeyDown);
    emscripten::function("tavelinFieldEdited", &fieldEdited);
}

} // namespace tavelin::web
