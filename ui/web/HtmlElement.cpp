#include "HtmlElement.h"

#include <algorithm>
#include <iterator>

namespace tavelin::web {

namespace {

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    const int tail = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(leads[tail] | (code >> (6 * tail)));
    for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

// A lone surrogate has no UTF-8 form; it is written as U+FFFD.
char32_t codePointAt(std::u16string_view text, std::size_t &i)
{
    const char16_t unit = text[i];
    if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
        ++i;
        return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i]) - 0xDC00);
    }
    return isHighSurrogate(unit) || isLowSurrogate(unit) ? 0xFFFD : unit;
}

// Markup characters are escaped, and so is CR, which the parser would
// otherwise turn into LF.
constexpr std::pair<char32_t, std::string_view> references[] = {
    {U'&', "&amp;"}, {U'<', "&lt;"}, {U'>', "&gt;"}, {U'"', "&quot;"}, {U'\r', "&#13;"},
};

std::string escaped(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t code = codePointAt(text, i);
        const auto same = [code](const auto &reference) { return reference.first == code; };
        if (const auto *found = std::find_if(std::begin(references), std::end(references), same);
            found != std::end(references))
            out += found->second;
        else
            appendUtf8(out, code);
    }
    return out;
}

bool isVoid(const std::string &tag)
{
    return tag == "input";
}

} // namespace

HtmlElement::HtmlElement(std::string tag)
    : m_tag(std::move(tag))
{ }

HtmlElement &HtmlElement::set(std::string_view name, std::u16string_view value)
{
    const auto same = [name](const auto &attribute) { return attribute.first == name; };
    if (const auto found = std::find_if(m_attributes.begin(), m_attributes.end(), same); found != m_attributes.end())
        found->second = value;
    else
        m_attributes.emplace_back(name, value);
    return *this;
}

const std::u16string *HtmlElement::attribute(std::string_view name) const
{
    for (const auto &[key, value] : m_attributes)
        if (key == name)
            return &value;
    return nullptr;
}

void HtmlElement::setText(std::u16string_view text)
{
    m_text = text;
}

HtmlElement &HtmlElement::append(HtmlElement child)
{
    return m_children.emplace_back(std::move(child));
}

HtmlElement *HtmlElement::findById(std::u16string_view id)
{
    return const_cast<HtmlElement *>(std::as_const(*this).findById(id));
}

const HtmlElement *HtmlElement::findById(std::u16string_view id) const
{
    if (const std::u16string *own = attribute("id"); own && *own == id)
        return this;
    for (const HtmlElement &child : m_children)
        if (const HtmlElement *found = child.findById(id))
            return found;
    return nullptr;
}

// The parser drops a line feed right after <textarea>, so one more goes
// first where the text starts with one.
std::string HtmlElement::toHtml() const
{
    std::string out = "<" + m_tag;
    for (const auto &[name, value] : m_attributes)
        out += " " + name + (value.empty() ? "" : "=\"" + escaped(value) + "\"");
    out += ">";
    if (isVoid(m_tag))
        return out;
    if (m_tag == "textarea" && m_text.starts_with(u'\n'))
        out += "\n";
    out += escaped(m_text);
    for (const HtmlElement &child : m_children)
        out += child.toHtml();
    return out + "</" + m_tag + ">";
}

} // namespace tavelin::web
