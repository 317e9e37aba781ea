#pragma once

#include "ControlTable.h"
#include "FormOperations.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavelin::testing {

// A window without a toolkit: every control of the table with its text,
// each selector's list, and the messages shown and texts announced, in order.
class FakeForm : public ui::FormOperations
{
public:
    FakeForm()
    {
        for (const ui::ControlSpec &row : ui::controlTable())
            texts[std::u16string(row.name)] = row.text;
    }

    std::u16string text(std::u16string_view control) const override { return texts.at(existing(control)); }
    void setText(std::u16string_view control, std::u16string_view text) override { texts[existing(control)] = text; }
    void appendEntry(std::u16string_view selector, std::u16string_view entry) override
    {
        entries[existing(selector)].emplace_back(entry);
    }
    void showMessage(std::u16string_view message) override { messages.emplace_back(message); }
    void announce(std::u16string_view text) override { announcements.emplace_back(text); }

    std::map<std::u16string, std::u16string, std::less<>> texts;
    std::map<std::u16string, std::vector<std::u16string>, std::less<>> entries;
    std::vector<std::u16string> messages;
    std::vector<std::u16string> announcements;

private:
    std::u16string existing(std::u16string_view control) const
    {
        if (!texts.contains(control))
            throw std::invalid_argument("no such control");
        return std::u16string(control);
    }
};

} // namespace tavelin::testing
