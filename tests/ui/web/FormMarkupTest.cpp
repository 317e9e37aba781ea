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

class LoadedPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const HtmlElement &part : body)
            collect(part, all);
    }

    std::u16string attribute(const HtmlElement &element, const char *name)
    {
        const std::u16string *value = element.attribute(name);
        return value ? *value : u"(none)";
    }

    const HtmlElement &byId(std::u16string_view id) { return *body.front().findById(id); }

    const std::vector<HtmlElement> body = pageBody();
    std::vector<const HtmlElement *> all;
};

// "--left:24px;--top:24px;..." as twips, 15 to a pixel at 96 dpi.
std::vector<int> twips(const std::u16string &style)
{
    std::vector<int> values;
    for (std::size_t at = style.find(u':'); at != std::u16string::npos; at = style.find(u':', at + 1))
        values.push_back(std::stoi(std::string(style.begin() + at + 1, style.begin() + style.find(u'p', at))) * 15);
    return values;
}

} // namespace

TEST_F(LoadedPage, EveryControlOfTheTableInItsOrderAtItsPlaceWithEveryIdOnce)
{
    const auto table = ui::controlTable();
    const HtmlElement &form = body.front();
    ASSERT_EQ(form.children().size(), table.size());
    EXPECT_EQ(twips(attribute(form, "style")), (std::vector {ui::mainForm().clientWidthTwips, 7170}));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const HtmlElement &element = form.children()[i];
        const HtmlElement &named = table[i].kind == ui::ControlKind::Selector ? element.children().front() : element;
        EXPECT_EQ(attribute(named, "id"), table[i].name);
        const ui::TwipRect &place = table[i].twips;
        EXPECT_EQ(twips(attribute(element, "style")), (std::vector {place.left, place.top, place.width, place.height}))
            << "at " << i;
    }
    EXPECT_EQ(attribute(form.children()[0], "style"), u"--left:24px;--top:24px;--width:121px;--height:17px");
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

TEST_F(LoadedPage, TabWalksTheFocusOrderFromTheTitleBoxWhichHasTheFocus)
{
    std::map<int, std::u16string_view> stops;
    for (const HtmlElement *element : all)
        if (const std::u16string *index = element->attribute("tabindex"); index && *index != u"-1")
            stops[std::stoi(std::string(index->begin(), index->end()))] = *element->attribute("id");
    std::vector<std::u16string_view> order;
    for (const auto &[index, id] : stops)
        order.push_back(id);
    EXPECT_TRUE(std::ranges::equal(order, ui::focusOrder()));
    EXPECT_EQ(stops.begin()->first, 1);
    EXPECT_EQ(std::ranges::count_if(all, [](const HtmlElement *e) { return e->attribute("autofocus"); }), 1);
    EXPECT_TRUE(byId(ui::focusOrder().front()).attribute("autofocus"));
}

TEST_F(LoadedPage, AfterLoadEveryPlaceShowsThePlaceholderOverTheCatalogueAndTheBoxesAreEmpty)
{
    for (int rank = 1; rank <= RankCount; ++rank) {
        const std::u16string_view name = ui::selectorName(rank);
        EXPECT_EQ(attribute(byId(name), "value"), Placeholder);
        const auto &options = byId(std::u16string(name) + u"-list").children();
        ASSERT_EQ(options.size(), std::size_t(SignCatalogue::count()));
        for (int position = 1; position <= SignCatalogue::count(); ++position)
            EXPECT_EQ(options[std::size_t(position - 1)].text(), SignCatalogue::nameAt(position));
    }
    EXPECT_EQ(attribute(byId(ui::names::Text1), "value"), u"");
    for (std::u16string_view box : {ui::names::Text2, ui::names::Text3})
        EXPECT_EQ(byId(box).text(), u"");
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
