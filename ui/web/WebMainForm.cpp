#include "WebMainForm.h"

#include "ControlTable.h"
#include "MainFormHandlers.h"
#include "PageNames.h"
#include "WebComboBox.h"
#include "WebDom.h"
#include "WebMessageBox.h"

#include <emscripten/bind.h>

#include <cstdlib>

namespace tavelin::web {

namespace {

using emscripten::val;

// A click on a button with a handler runs it on the page's form.
void clicked(val event)
{
    const val button = event["target"].call<val>("closest", val("button"));
    if (button.isNull())
        return;
    if (const ui::ClickHandler handler = ui::clickHandler(fromJs(button["id"]))) {
        WebMainForm form;
        handler(form);
    }
}

// A live region keeps its text, and a screen reader in browse mode would
// read it there once more, so it is emptied once it has been taken up.
constexpr int announcementLifetimeMs = 3000;

void clearAnnouncement()
{
    elementById(page::announcementId).set("textContent", val(""));
}

} // namespace

std::u16string WebMainForm::text(std::u16string_view control) const
{
    return fromJs(elementById(control)["value"]);
}

// A textarea reports line breaks as LF, whatever it was given.
void WebMainForm::setText(std::u16string_view control, std::u16string_view text)
{
    elementById(control).set("value", toJs(text));
}

// A page cannot wait for the user, so the box opens and this returns at
// once. That is enough for the handlers: bt1_Click shows a message only when
// a check fails and returns right after it, so nothing it would do after the
// box is closed is lost, and the box keeps the rest of the page inert.
void WebMainForm::showMessage(std::u16string_view message)
{
    web::showMessage(message);
}

// Read out politely: the live region takes the text, and the last
// announcement's clearing gives way to this one's.
void WebMainForm::announce(std::u16string_view text)
{
    static val pendingClear = val::undefined();
    val window = val::global("window");
    window.call<void>("clearTimeout", pendingClear);
    elementById(page::announcementId).set("textContent", toJs(text));
    pendingClear
        = window.call<val>("setTimeout", val::module_property("tavelinClearAnnouncement"), announcementLifetimeMs);
}

// The page holds the form as Form_Load left it, written when the page was
// built, so no entry is ever added here.
void WebMainForm::appendEntry(std::u16string_view, std::u16string_view)
{
    std::abort();
}

void attachHandlers()
{
    const val page = document();
    listen(page, "click", "tavelinClicked");
    attachComboBoxes(page);
}

EMSCRIPTEN_BINDINGS(tavelin_main_form)
{
    emscripten::function("tavelinClicked", &clicked);
    emscripten::function("tavelinClearAnnouncement", &clearAnnouncement);
}

} // namespace tavelin::web
