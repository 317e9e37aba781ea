#pragma once

#include "FormOperations.h"

namespace tavelin::web {

// The window of the tool as a page: the controls live in the document, which
// holds all the state, so this is only a view of it for the handlers.
class WebMainForm : public ui::FormOperations
{
public:
    std::u16string text(std::u16string_view control) const override;
    void setText(std::u16string_view control, std::u16string_view text) override;
    void appendEntry(std::u16string_view selector, std::u16string_view entry) override;
    void showMessage(std::u16string_view message) override;
    void announce(std::u16string_view text) override;
};

// Makes the form that the page shows work: its buttons run their handlers
// and its combo boxes open their lists. It listens on the document and runs
// once the form has been painted; the page then replays to these handlers
// what the user did before, so nothing is lost.
void attachHandlers();

} // namespace tavelin::web
