#include "MainFormHandlers.h"

#include "ControlTable.h"
#include "RankingComposer.h"
#include "RankingValidator.h"

namespace tavelin::ui {

namespace {

void showPlaceholderInEverySelector(FormOperations &form)
{
    for (int rank = 1; rank <= RankCount; ++rank)
        form.setText(selectorName(rank), Placeholder);
}

RankingSheet readSheet(const FormOperations &form)
{
    RankingSheet sheet;
    sheet.title = form.text(names::Text1);
    for (int rank = 1; rank <= RankCount; ++rank)
        sheet.pick(rank) = form.text(selectorName(rank));
    sheet.customText = form.text(names::Text3);
    return sheet;
}

} // namespace

void Form_Load(FormOperations &form)
{
    showPlaceholderInEverySelector(form);
    for (int rank = 1; rank <= RankCount; ++rank) {
        for (int position = 1; position <= SignCatalogue::count(); ++position)
            form.appendEntry(selectorName(rank), SignCatalogue::nameAt(position));
    }
}

// A failed check leaves the output box as it was: appending the custom text
// there would pile it up click after click behind an old ranking. The
// message box is then all that screen readers hear; a new ranking is read
// out whole.
void bt1_Click(FormOperations &form)
{
    const RankingSheet sheet = readSheet(form);
    if (const auto failure = RankingValidator::validate(sheet)) {
        form.showMessage(failure->message);
        return;
    }
    const std::u16string output = RankingComposer::appendCustomText(RankingComposer::compose(sheet), sheet.customText);
    form.setText(names::Text2, output);
    form.announce(output);
}

void bt2_Click(FormOperations &form)
{
    form.setText(names::Text1, u"");
    form.setText(names::Text2, u"");
    showPlaceholderInEverySelector(form);
}

ClickHandler clickHandler(std::u16string_view control)
{
    if (control == names::bt1)
        return bt1_Click;
    if (control == names::bt2)
        return bt2_Click;
    return nullptr;
}

} // namespace tavelin::ui
