#include <gtest/gtest.h>

#include "output/palette.h"

using namespace klettra::output;

TEST(PaletteTest, namesAndIndexesReachEverySixteenColoursInOrder)
{
    for (int i = 0; i < PaletteSize; ++i) {
        const auto color = paletteColorFromIndex(i);
        ASSERT_TRUE(color);
        EXPECT_EQ(paletteColorFromName(paletteName(*color)), color);
    }
    EXPECT_EQ(paletteColorFromIndex(8), PaletteColor::Silver);
    EXPECT_EQ(paletteColorFromIndex(-1), std::nullopt);
    EXPECT_EQ(paletteColorFromIndex(16), std::nullopt);
    EXPECT_EQ(paletteColorFromName("Fuchsia"), PaletteColor::Fuchsia);
    EXPECT_EQ(paletteColorFromName("grey"), std::nullopt);
    EXPECT_EQ(paletteColorFromName(""), std::nullopt);
}

TEST(PaletteTest, htmlColorWritesUpperCaseHexInRedGreenBlueOrder)
{
    EXPECT_EQ(HtmlColor(PaletteColor::Silver), "#C0C0C0");
    EXPECT_EQ(HtmlColor(PaletteColor::Blue), "#0000FF");
    EXPECT_EQ(HtmlColor(PaletteColor::Maroon), "#800000");
    EXPECT_EQ(HtmlColor(PaletteColor::Teal), "#008080");
    EXPECT_EQ(HtmlColor(Rgb{0x0A, 0xB1, 0xFE}), "#0AB1FE");
}
