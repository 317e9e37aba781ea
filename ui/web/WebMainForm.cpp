#include "WebMainForm.h"

#include "ControlTable.h"
#include "MainFormHandlers.h"
#include "WebComboBox.h"
#include "WebControls.h"
#include "WebDom.h"
#include "WebMessageBox.h"

#include <emscripten/bind.h>

#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

val createFormElement()
{
    const ui::FormSpec &size = ui::mainForm();
    val form = createElement("main");
    form.set("id", val("MainForm"));
    setPixels(form, "--width", size.clientWidthTwips);
    setPixels(form, "--height", size.clientHeightTwips);
    return form;
}

// Seen by no one, heard by screen readers.
void createAnnouncement()
{
    val region = createElement("div");
    region.set("id", val("announcement"));
    region.set("className", val("unseen"));
    setAttribute(region, "role", val("status"));
    document()["body"].call<void>("append", region);
}

void createControls(val &form)
{
    for (const ui::ControlSpec &row : ui::controlTable()) {
        val control = createControl(row);
        if (ui::clickHandler(row.name))
            listen(control, "click", "tavelinButtonClicked");
        form.call<void>("append", control);
    }
}

void setFocusOrder()
{
    const auto order = ui::focusOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        elementById(order[i]).set("tabIndex", static_cast<int>(i + 1));
}

// The layout follows the viewport, whose width changes with the zoom too.
void viewportChanged(val query)
{
    val page = document()["documentElement"];
    setAttribute(page, "data-layout", val(query["matches"].as<bool>() ? "window" : "column"));
}

// The handler of the button with this id runs on the page's form.
void buttonClicked(val event)
{
    WebMainForm form;
    ui::clickHandler(fromJs(event["currentTarget"]["id"]))(form);
}

// Where the window fits the screen, the form keeps the window's geometry;
// on a narrower screen, or a page zoomed in as far, it is one column in
// reading order, the order of the control table. Text is never scaled.
// This runs before the controls exist, which are then first laid out as
// they are shown: a field keeps the scroll position of its first layout.
void followViewportWidth()
{
    const int width = ui::twipsToPixels(ui::mainForm().clientWidthTwips);
    val query = val::global("window").call<val>("matchMedia", val("(min-width: " + std::to_string(width) + "px)"));
    listen(query, "change", "tavelinViewportChanged");
    viewportChanged(query);
}

// A live region keeps its text, and a screen reader in browse mode would
// read it there once more, so it is emptied once it has been taken up.
constexpr int announcementLifetimeMs = 3000;

void clearAnnouncement()
{
    elementById(u"announcement").set("textContent", val(""));
}

// A new ranking is read out politely. After a failed check the message box
// is read out instead, so the custom text that the handler adds then is not.
void announceOutput(std::u16string_view text)
{
    static val pendingClear = val::undefined();
    if (isMessageShown())
        return;
    val window = val::global("window");
    window.call<void>("clearTimeout", pendingClear);
    elementById(u"announcement").set("textContent", toJs(text));
    pendingClear
        = window.call<val>("setTimeout", val::module_property("tavelinClearAnnouncement"), announcementLifetimeMs);
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
    if (control == ui::names::Text2)
        announceOutput(text);
}

void WebMainForm::appendEntry(std::u16string_view selector, std::u16string_view entry)
{
    appendOption(elementById(selector), entry);
}

// A page cannot wait for the user, so the box opens and this returns at
// once. That is enough for the handlers: bt1_Click shows a message only when
// a check fails and returns right after it, so nothing it would do after the
// box is closed is lost, and the box keeps the rest of the page inert.
void WebMainForm::showMessage(std::u16string_view message)
{
    web::showMessage(message);
}

void showMainForm()
{
    followViewportWidth();
    val form = createFormElement();
    createControls(form);
    document()["body"].call<void>("append", form);
    createMessageBox();
    createAnnouncement();
    setFocusOrder();

    WebMainForm operations;
    ui::Form_Load(operations);

    elementById(ui::focusOrder().front()).call<void>("focus");
}

EMSCRIPTEN_BINDINGS(tavelin_main_form)
{
    emscripten::function("tavelinButtonClicked", &buttonClicked);
    emscripten::function("tavelinViewportChanged", &viewportChanged);
    emscripten::function("tavelinClearAnnouncement", &clearAnnouncement);
}

} // namespace tavelin::web
