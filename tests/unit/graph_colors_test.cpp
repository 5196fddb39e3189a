#include "charts/graph_colors.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(GraphColors, EachEntryIsItsNamedColour) {
    struct Case {
        int index;
        int red, green, blue;
    } const cases[] = {
        {0, 255, 0, 0},    {1, 0, 255, 0},      {2, 0, 0, 255},      {3, 255, 255, 0},
        {4, 0, 255, 255},  {5, 0, 128, 0},      {6, 128, 0, 0},      {7, 128, 0, 128},
        {8, 64, 128, 128}, {9, 128, 128, 192},  {10, 128, 128, 128}, {11, 255, 128, 0},
        {12, 255, 0, 255}, {13, 192, 192, 192}, {14, 128, 128, 0},   {15, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GraphColor(c.index), MakeColorValue(c.red, c.green, c.blue)) << c.index;
    }
    EXPECT_EQ(GraphColor(0), kColorRed);
    EXPECT_EQ(GraphColor(6), kColorDarkRed);
}

TEST(GraphColors, IndicesPastTheTableWrapAround) {
    EXPECT_EQ(GraphColor(16), GraphColor(0));
    EXPECT_EQ(GraphColor(31), GraphColor(15));
    EXPECT_EQ(GraphColor(-1), GraphColor(15));
}

}  // namespace
}  // namespace tarvik
