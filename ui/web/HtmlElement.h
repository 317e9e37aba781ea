#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavelin::web {

// An element of a page written at build time: its attributes and text are
// UTF-16, as in the document, and it is written out as UTF-8 HTML.
class HtmlElement
{
public:
    explicit HtmlElement(std::string tag);

    const std::string &tag() const { return m_tag; }

    // An attribute set to an empty text is written as a bare name, which
    // HTML reads as the same empty text: hidden, autofocus.
    HtmlElement &set(std::string_view name, std::u16string_view value = {});
    // Null if the element has no such attribute.
    const std::u16string *attribute(std::string_view name) const;

    const std::u16string &text() const { return m_text; }
    void setText(std::u16string_view text);

    const std::vector<HtmlElement> &children() const { return m_children; }
    HtmlElement &append(HtmlElement child);

    // This element or the first one inside it with the id, or null.
    HtmlElement *findById(std::u16string_view id);
    const HtmlElement *findById(std::u16string_view id) const;

    // The element and all inside it, with no white space between elements,
    // so that an element's first child is its first element.
    std::string toHtml() const;

private:
    std::string m_tag;
    std::vector<std::pair<std::string, std::u16string>> m_attributes;
    std::u16string m_text;
    std::vector<HtmlElement> m_children;
};

} // namespace tavelin::web
