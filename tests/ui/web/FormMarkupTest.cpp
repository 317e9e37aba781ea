#include "FormMarkup.h"
#include "ControlTable.h"
#include "SignCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

using namespace tavelin;
using namespace tavelin::web;

namespace {

void collect(const HtmlElement &element, std::vector<const HtmlElement *> &all)
{
    all.push_back(&element);
    for (const HtmlElement &child : element.children())
        collect(child, all);
}

} // namespace

// Where each control lies, what it shows after the load, the Tab order and
// the focus on the title box are held by the page's session and pictures.
TEST(LoadedPage, EveryIdIsUniqueAndEveryReferenceFindsItsElement)
{
    const std::vector<HtmlElement> body = pageBody();
    std::vector<const HtmlElement *> all;
    for (const HtmlElement &part : body)
        collect(part, all);
    std::map<std::u16string, int> ids;
    for (const HtmlElement *element : all)
        if (const std::u16string *id = element->attribute("id"))
            ++ids[*id];
    EXPECT_EQ(std::ranges::count_if(ids, [](const auto &id) { return id.second != 1; }), 0);
    for (const HtmlElement *element : all) {
        for (const char *reference : {"for", "aria-controls", "aria-labelledby", "aria-describedby"}) {
            const std::u16string *id = element->attribute(reference);
            EXPECT_TRUE(!id || ids.contains(*id)) << reference;
        }
    }
}

// The pictures show one list whole, and only one entry of each other.
TEST(LoadedPage, EveryPlaceListsTheCatalogue)
{
    const std::vector<HtmlElement> body = pageBody();
    for (int rank = 1; rank <= RankCount; ++rank) {
        const auto &options = body.front().findById(std::u16string(ui::selectorName(rank)) + u"-list")->children();
        ASSERT_EQ(options.size(), std::size_t(SignCatalogue::count()));
        for (int position = 1; position <= SignCatalogue::count(); ++position)
            EXPECT_EQ(options[std::size_t(position - 1)].text(), SignCatalogue::nameAt(position));
    }
}

TEST(HtmlElement, WritesTextAndAttributesAsTheParserReadsThemBack)
{
    HtmlElement box("textarea");
    box.set("aria-label", u"a\"b&").set("hidden");
    box.setText(u"\n<x>&\r\n\U0001F600\xD800");
    EXPECT_EQ(box.toHtml(),
              "<textarea aria-label=\"a&quot;b&amp;\" hidden>\n\n&lt;x&gt;&amp;&#13;\n😀\uFFFD</textarea>");
    EXPECT_EQ(HtmlElement("input").set("value", u"自").toHtml(), "<input value=\"自\">");
}

TEST(Page, TheShellTakesTheFormAndItsWidthOrNothing)
{
    const std::string page = writePage("@media (min-width: {{formWidth}}) {} {{formWidth}}<body>{{form}}</body>");
    EXPECT_TRUE(page.starts_with("@media (min-width: 501px) {} 501px<body><main id=\"MainForm\""));
    EXPECT_TRUE(page.ends_with("</div>\n</body>"));
    EXPECT_THROW(writePage("{{form}}"), std::invalid_argument);
    EXPECT_THROW(writePage("{{formWidth}}"), std::invalid_argument);
}
