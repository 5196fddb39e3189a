#include "charts/y_top.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tarvik {
namespace {

TEST(YTop, RoundedDownToTensThenASixthMore) {
    struct Case {
        double highest;
        int yMax;
    } const cases[] = {
        {95.4, 105},                             // t = 95, a = 90
        {19.0, 11},                              // a = 10
        {150.3, 175}, {0.0, 0},                  // no records
        {9.49, 0},    {9.5, 11},                 // t = 10
        {99.5, 116},  {11.0, 11}, {-25.4, -23},  // integer division truncates towards zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineGraphYTop(c.highest), c.yMax) << c.highest;
    }
}

TEST(YTop, InputsBeyondIntegersAreHeldAtTheLimit) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(LineGraphYTop(inf), 1166666666);
    EXPECT_EQ(LineGraphYTop(1e300), 1166666666);
    EXPECT_EQ(LineGraphYTop(-inf), -1166666655);  // t = -999999999
    EXPECT_EQ(LineGraphYTop(std::numeric_limits<double>::quiet_NaN()), 0);
}

MapResult WithSeries(std::vector<float> series) {
    MapResult record;
    record.perSecondCount = static_cast<int>(series.size());
    record.perSecondFps = std::move(series);
    return record;
}

TEST(YTop, HighestValueOverEverySeriesFromZero) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(HighestSeriesValue({}), 0.0);
    EXPECT_EQ(HighestSeriesValue({WithSeries({-5.0f, -1.0f})}), 0.0);
    EXPECT_EQ(
        HighestSeriesValue({WithSeries({10.0f, 95.4f}), WithSeries({}), WithSeries({nan, 50.0f})}),
        static_cast<double>(95.4f));
}

}  // namespace
}  // namespace tarvik
