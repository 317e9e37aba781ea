#include "WebMessageBox.h"

#include "PageNames.h"
#include "WebDom.h"

namespace tavelin::web {

void showMessage(std::u16string_view message)
{
    elementById(page::messageTextId).set("textContent", toJs(message));
    elementById(page::messageBoxId).call<void>("showModal");
}

} // namespace tavelin::web
