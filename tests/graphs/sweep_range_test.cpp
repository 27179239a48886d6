#include <gtest/gtest.h>

#include "interaction/sweep_range.h"

namespace vesk {
namespace {

TEST(SweepRange, DefaultRangeOfAThousandFeetHasSixPointsInSevenRows) {
    SweepRange r = ComputeSweepRange(1000.0f, 80, 150);
    EXPECT_EQ(r.TableRows, 7);
    EXPECT_EQ(r.Points, (std::vector<float>{800, 940, 1080, 1220, 1360, 1500}));
}

TEST(SweepRange, NeverLosesTheLastPointToRounding) {
    // Adding the step over and over in single precision overshoots the end for
    // many bases; the default range must always give its six points, the last
    // one at (about) 150 % of the base.
    for (float base = 1.0f; base <= 3000.0f; base += 0.37f) {
        SweepRange r = ComputeSweepRange(base, 80, 150);
        ASSERT_EQ(r.Points.size(), 6u) << "base " << base;
        EXPECT_NEAR(r.Points.back(), base * 1.5f, base * 1e-5f) << "base " << base;
    }
}

TEST(SweepRange, DegenerateRangesGiveOnePoint) {
    struct Case {
        float base;
        int16_t min, max;
        float point;
    };
    for (Case c : {Case{1000, 100, 100, 1000}, Case{0, 80, 150, 0}}) {
        SweepRange r = ComputeSweepRange(c.base, c.min, c.max);
        EXPECT_EQ(r.Step, 1.0f);
        ASSERT_EQ(r.Points.size(), 1u);
        EXPECT_EQ(r.Points[0], c.point);
    }
}

TEST(SweepRange, MaximumBelowMinimumGivesNoPoint) {
    EXPECT_TRUE(ComputeSweepRange(1000, 150, 80).Points.empty());
}

}  // namespace
}  // namespace vesk
