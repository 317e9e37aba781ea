#include "WebMessageBox.h"

#include "ControlTable.h"
#include "WebDom.h"

namespace tavelin::web {

namespace {

using emscripten::val;

constexpr std::u16string_view okCaption = u"确定";

val createPart(const char *tag, const char *id)
{
    val part = createElement(tag);
    part.set("id", val(id));
    return part;
}

// A form with method "dialog" closes the box when its button is pressed. It
// is no part of what the box says, so screen readers are not told of a form.
val createButtonRow()
{
    val row = createElement("form");
    row.set("method", val("dialog"));
    setAttribute(row, "role", val("none"));
    val button = createElement("button");
    button.set("textContent", toJs(okCaption));
    row.call<void>("append", button);
    return row;
}

} // namespace

void createMessageBox()
{
    val box = createPart("dialog", "messageBox");
    setAttribute(box, "aria-labelledby", val("messageTitle"));
    setAttribute(box, "aria-describedby", val("messageText"));
    val title = createPart("div", "messageTitle");
    title.set("textContent", toJs(ui::mainForm().title));
    box.call<void>("append", title, createPart("p", "messageText"), createButtonRow());
    document()["body"].call<void>("append", box);
}

void showMessage(std::u16string_view message)
{
    elementById(u"messageText").set("textContent", toJs(message));
    elementById(u"messageBox").call<void>("showModal");
}

bool isMessageShown()
{
    return elementById(u"messageBox")["open"].as<bool>();
}

} // namespace tavelin::web
