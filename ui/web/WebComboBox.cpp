#include "WebComboBox.h"

#include "PageNames.h"
#include "WebDom.h"

#include <emscripten/bind.h>

#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

val boxOf(const val &element)
{
    return element.call<val>("closest", toJs(u"." + std::u16string(page::comboClass)));
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
    for (val option = listOf(box)["firstElementChild"]; !option.isNull();
         option = option["nextElementSibling"])
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
    return event["target"].call<val>("closest", toJs(page::withRole(page::optionRole)));
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

void attachComboBox(const val &field)
{
    const val box = boxOf(field);
    listen(field, "keydown", "tavelinFieldKeyDown");
    listen(field, "input", "tavelinFieldEdited");
    const val button = listButtonOf(box);
    listen(button, "mousedown", "tavelinKeepFocus");
    listen(button, "click", "tavelinToggleList");
    const val list = listOf(box);
    listen(list, "mousedown", "tavelinKeepFocus");
    listen(list, "mouseover", "tavelinOptionPointed");
    listen(list, "click", "tavelinOptionClicked");
    listen(box, "focusout", "tavelinFocusLeft");
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
