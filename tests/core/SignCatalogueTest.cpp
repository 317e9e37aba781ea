#include "SignCatalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tavelin;

TEST(SignCatalogue, StartsWithAquariusAndEndsWithCapricorn)
{
    ASSERT_EQ(SignCatalogue::count(), 12);
    EXPECT_EQ(SignCatalogue::nameAt(1), u"水瓶座");
    EXPECT_EQ(SignCatalogue::nameAt(3), u"白羊座");
    EXPECT_EQ(SignCatalogue::nameAt(12), u"摩羯座");
}

TEST(SignCatalogue, PositionsOutsideTheListAreRefused)
{
    EXPECT_THROW(SignCatalogue::nameAt(0), std::out_of_range);
    EXPECT_THROW(SignCatalogue::nameAt(13), std::out_of_range);
}

TEST(Placeholder, IsFiveUnitsWithAsciiHyphensAndNoSign)
{
    EXPECT_EQ(Placeholder, std::u16string_view(u"\x002D请选择\x002D"));
    EXPECT_EQ(Placeholder.size(), 5u);
    EXPECT_NE(Placeholder, u"");
    for (int position = 1; position <= SignCatalogue::count(); ++position)
        EXPECT_NE(SignCatalogue::nameAt(position), Placeholder);
}
