#include "WebComboBox.h"

#include "PageNames.h"
#include "WebDom.h"

#include <emscripten/bind.h>

#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

std::u16string comboBoxes()
{
    return u"." + std::u16string(page::comboClass);
}

val boxOf(const val &element)
{
    return element.call<val>("closest", toJs(comboBoxes()));
}

val partOf(const val &box, const std::u16string &selector)
{
    return box.call<val>("querySelector", toJs(selector));
}

val fieldOf(const val &box)
{
    return partOf(box, page::withRole(page::fieldRole));
}

val listOf(const val &box)
{
    return partOf(box, page::withRole(page::listRole));
}

val listButtonOf(const val &box)
{
    return partOf(box, u"button");
}

// The event's target or the nearest element around it that matches, or null.
val targetWithin(const val &event, const std::u16string &selector)
{
    return event["target"].call<val>("closest", toJs(selector));
}

std::u16string inComboBox(std::u16string_view part)
{
    return comboBoxes() + u" " + std::u16string(part);
}

bool isListOpen(const val &box)
{
    return !listOf(box)["hidden"].as<bool>();
}

val activeOption(const val &box)
{
    return partOf(box, u"[aria-selected=true]");
}

// The field keeps the focus; the active option is announced through it and
// shown highlighted. A null option leaves none active.
void setActiveOption(const val &box, val option)
{
    val field = fieldOf(box);
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
    const val next = active.isNull() ? listOf(box)[down ? "firstElementChild" : "lastElementChild"]
                                     : active[down ? "nextElementSibling" : "previousElementSibling"];
    if (!next.isNull())
        setActiveOption(box, next);
}

// The option whose text is the field's, or null.
val optionEqualToField(const val &box)
{
    const val text = fieldOf(box)["value"];
    for (val option = listOf(box)["firstElementChild"]; !option.isNull(); option = option["nextElementSibling"])
        if (option["textContent"].strictlyEquals(text))
            return option;
    return val::null();
}

// An opened list shows the field's text as its active option, if it is one.
void setListOpen(const val &box, bool open)
{
    setActiveOption(box, val::null());
    listOf(box).set("hidden", !open);
    for (val part : {fieldOf(box), listButtonOf(box)})
        setAttribute(part, "aria-expanded", val(open ? "true" : "false"));
    if (open)
        setActiveOption(box, optionEqualToField(box));
}

// After a tap the button takes the focus, as focus in the field would raise
// the on-screen keyboard over the list.
void toggleList(const val &button, const val &event)
{
    const val box = boxOf(button);
    setListOpen(box, !isListOpen(box));
    const bool tapped = event["pointerType"].strictlyEquals(val("touch"));
    (tapped ? button : fieldOf(box)).call<void>("focus");
}

// The field takes the text of the option, if there is one, as it is, and
// the list closes.
void choose(const val &box, const val &option)
{
    if (!option.isNull())
        fieldOf(box).set("value", option["textContent"]);
    setListOpen(box, false);
}

val optionAt(const val &event)
{
    return targetWithin(event, page::withRole(page::optionRole));
}

val fieldAt(const val &event)
{
    return targetWithin(event, page::withRole(page::fieldRole));
}

// Pressing the button or an option must not take the focus from the field,
// whose blur would close the list before the click arrives.
void pressed(val event)
{
    if (!targetWithin(event, inComboBox(u"button")).isNull() || !optionAt(event).isNull())
        event.call<void>("preventDefault");
}

void clicked(val event)
{
    if (const val button = targetWithin(event, inComboBox(u"button")); !button.isNull())
        toggleList(button, event);
    else if (const val option = optionAt(event); !option.isNull())
        choose(boxOf(option), option);
}

// The pointer moves the one highlight that the keys move too.
void pointed(val event)
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

void keyDown(val event)
{
    const val field = fieldAt(event);
    if (field.isNull() || isLeftToBrowser(event))
        return;
    const val box = boxOf(field);
    const std::string key = event["key"].as<std::string>();
    if (isListOpen(box) ? keyWithListOpen(box, key, event["altKey"].as<bool>()) : keyWithListClosed(box, key))
        event.call<void>("preventDefault");
}

// Once the user edits the text, Enter must not replace it with an option.
void edited(val event)
{
    if (const val field = fieldAt(event); !field.isNull())
        setActiveOption(boxOf(field), val::null());
}

// The list closes once the focus leaves the box: the field, or the button
// after a tap.
void focusLeft(val event)
{
    const val box = targetWithin(event, comboBoxes());
    if (!box.isNull() && !box.call<bool>("contains", event["relatedTarget"]))
        setListOpen(box, false);
}

} // namespace

void attachComboBoxes(const val &page)
{
    listen(page, "mousedown", "tavelinComboPressed");
    listen(page, "click", "tavelinComboClicked");
    listen(page, "mouseover", "tavelinComboPointed");
    listen(page, "keydown", "tavelinComboKeyDown");
    listen(page, "input", "tavelinComboEdited");
    listen(page, "focusout", "tavelinComboFocusLeft");
}

EMSCRIPTEN_BINDINGS(tavelin_combo_box)
{
    emscripten::function("tavelinComboPressed", &pressed);
    emscripten::function("tavelinComboClicked", &clicked);
    emscripten::function("tavelinComboPointed", &pointed);
    emscripten::function("tavelinComboKeyDown", &keyDown);
    emscripten::function("tavelinComboEdited", &edited);
    emscripten::function("tavelinComboFocusLeft", &focusLeft);
}

} // namespace tavelin::web
