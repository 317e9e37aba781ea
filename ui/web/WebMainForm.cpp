#include "WebMainForm.h"

#include "ControlTable.h"
#include "MainFormHandlers.h"
#include "WebComboBox.h"
#include "WebControls.h"
#include "WebDom.h"
#include "WebMessageBox.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <string>

namespace tavelin::web {

namespace {

using emscripten::val;

val createFormElement()
{
    const ui::FormSpec &size = ui::mainForm();
    val form = createElement("main");
    form.set("id", val("MainForm"));
    val style = form["style"];
    style.set("width", pixels(size.clientWidthTwips));
    style.set("height", pixels(size.clientHeightTwips));
    return form;
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

// The handler of the button with this id runs on the page's form.
void buttonClicked(val event)
{
    WebMainForm form;
    ui::clickHandler(fromJs(event["currentTarget"]["id"]))(form);
}

// A screen narrower than the form shows all of it, scaled down in one piece
// and never laid out anew.
void fitToViewport()
{
    const double viewport = document()["documentElement"]["clientWidth"].as<double>();
    const double width = ui::twipsToPixels(ui::mainForm().clientWidthTwips);
    const double scale = std::min(1.0, viewport / width);
    val style = elementById(u"MainForm")["style"];
    style.set("transform", scale < 1 ? val("scale(" + std::to_string(scale) + ")") : val(""));
}

void viewportResized(val)
{
    fitToViewport();
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
    val form = createFormElement();
    createControls(form);
    document()["body"].call<void>("append", form);
    createMessageBox();
    setFocusOrder();

    WebMainForm operations;
    ui::Form_Load(operations);

    fitToViewport();
    val window = val::global("window");
    listen(window, "resize", "tavelinViewportResized");
    elementById(ui::focusOrder().front()).call<void>("focus");
}

EMSCRIPTEN_BINDINGS(tavelin_main_form)
{
    emscripten::function("tavelinButtonClicked", &buttonClicked);
    emscripten::function("tavelinViewportResized", &viewportResized);
}

} // namespace tavelin::web
