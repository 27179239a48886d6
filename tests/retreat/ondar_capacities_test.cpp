#include <gtest/gtest.h>

#include <cmath>

#include "ondar_test_case.h"
#include "retreat/ondar_model.h"

namespace vesk::test {
namespace {

// Loads the inputs and computes the geometry and capacities alone.
const OndarModelState& Capacities(RetreatFixture& f, const OndarParams& p) {
    f.ws.OndarWork = p;
    EXPECT_TRUE(OndarLoadModelInputs(f.ws)) << f.LastMessage();
    OndarComputeCapacities(f.ws.Ondar);
    return f.ws.Ondar;
}

TEST(OndarCapacities, SquarePillarsAtRightAngles) {
    // h = 10 ft, 60 x 60 ft pillars, 900 psi: 129600 x (0.64 + 3.24 - 1.08).
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.EntryHeight = 10;
    p.EntryWidth = 10;
    p.CrosscutSpacing = 70;
    p.NumberOfEntries = 3;
    p.EntryCenters = {0, 70, 70};
    p.AMZBreadth = 140;
    const OndarModelState& o = Capacities(f, p);
    EXPECT_DOUBLE_EQ(o.PerpendicularLength, 60);
    EXPECT_DOUBLE_EQ(o.SkewWidth[1], 60);
    EXPECT_DOUBLE_EQ(o.PillarWidth[1], 60);
    EXPECT_DOUBLE_EQ(o.PillarLength[1], 60);
    EXPECT_NEAR(o.PillarStrength[1], 362880, 1e-6);
    EXPECT_NEAR(o.PillarCapacity[2], 362880.0 * 3600, 1e-3);
    // Two crosscut spacings along the 140 ft breadth: four pillars.
    EXPECT_NEAR(o.AMZCapacity, 4 * 362880.0 * 3600, 1e-2);
    EXPECT_DOUBLE_EQ(o.AMZArea, 140 * 140);
    EXPECT_NEAR(o.ExtractionRatio, 1 - 4 * 3600.0 / 19600, 1e-12);
}

TEST(OndarCapacities, RectangularPillarsTakeTheSmallerSideAsWidth) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();  // 7 ft high, 20 ft entries
    p.CrosscutSpacing = 120;             // 100 ft along the entries
    p.NumberOfEntries = 2;
    p.EntryCenters[1] = 80;  // 60 ft across
    const OndarModelState& o = Capacities(f, p);
    EXPECT_DOUBLE_EQ(o.PillarWidth[1], 60);
    EXPECT_DOUBLE_EQ(o.PillarLength[1], 100);
    EXPECT_NEAR(o.PillarStrength[1], 129600 * (0.64 + 0.54 * 60 / 7 - 0.18 * 3600 / 700.0), 1e-6);

    p.CrosscutSpacing = 60;  // 40 ft along the entries, 60 ft across
    const OndarModelState& q = Capacities(f, p);
    EXPECT_DOUBLE_EQ(q.PillarWidth[1], 40);
    EXPECT_DOUBLE_EQ(q.PillarLength[1], 60);
}

TEST(OndarCapacities, SkewedCrosscutsMakeParallelograms) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.CrosscutAngle = 60;
    const OndarModelState& o = Capacities(f, p);
    const double s = std::sin(60 * 0.017453292519943278);
    EXPECT_NEAR(o.PerpendicularLength, 80 * s - 20, 1e-9);  // 49.28
    EXPECT_NEAR(o.SkewWidth[1], 60 / s, 1e-9);              // 69.28
    EXPECT_NEAR(o.PillarArea[1], (80 * s - 20) * 60 / s, 1e-9);
    // The perpendicular side is shorter than the 60 ft gap: it is the width.
    EXPECT_NEAR(o.PillarWidth[1], 80 * s - 20, 1e-9);
    EXPECT_NEAR(o.PillarLength[1], 60 / s, 1e-9);
    EXPECT_NEAR(o.PillarAreaInAMZ, 5 * o.PillarArea[1] * 100 / 80, 1e-6);
}

TEST(OndarCapacities, LeaveRowsAAndBLeaveTheActiveZone) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.EntryCenters = {0, 70, 80, 80, 80, 90};
    p.LeaveRowA = 1;
    OndarModelState o = Capacities(f, p);
    EXPECT_DOUBLE_EQ(o.AMZWidthActive, 400 - 70);
    EXPECT_NEAR(o.AMZCapacityActive, o.AMZCapacity - o.PillarCapacity[1] * 100 / 80, 1e-3);
    p.LeaveRowB = 1;
    o = Capacities(f, p);
    EXPECT_DOUBLE_EQ(o.AMZWidthActive, 400 - 70 - 90);
    EXPECT_DOUBLE_EQ(o.AMZAreaActive, 240 * 100);
    EXPECT_NEAR(o.AMZCapacityActive, (o.PillarCapacity[2] + o.PillarCapacity[3] + o.PillarCapacity[4]) * 1.25,
                1e-3);
}

TEST(OndarCapacities, LeaveRowsCAndDStrengthenTheBarriers) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs();
    p.LeaveRowC = 1;
    p.RowCPillarWidth = 60;  // strong enough to carry more than its tributary load
    p.LeaveRowD = 1;
    p.RowDPillarWidth = 10;  // weaker than its tributary load
    const OndarModelState& o = Capacities(f, p);
    const double pitch = 60;
    const double strengthC = 129600 * (0.64 + 0.54 * 60 / 7 - 0.18 * 3600 / (pitch * 7));
    EXPECT_NEAR(o.LeaveStrength[1], strengthC, 1e-6);
    EXPECT_NEAR(o.LeaveCapacity[1], 60 * strengthC * pitch, 1e-3);
    EXPECT_NEAR(o.LeaveTributaryLoad[1], 80 * 80 * 400 * 162.0, 1e-3);
    EXPECT_NEAR(o.LeaveExcessCapacity[1], (o.LeaveCapacity[1] - o.LeaveTributaryLoad[1]) * 100 / 80, 1e-3);
    EXPECT_GT(o.LeaveExcessCapacity[1], 0);
    EXPECT_LT(o.LeaveCapacity[2], o.LeaveTributaryLoad[2]);
    EXPECT_EQ(o.LeaveExcessCapacity[2], 0);  // never negative

    const double barrierStrength = 129600 * (0.64 + 0.54 * 60 / 7);
    EXPECT_NEAR(o.BarrierStrength[1], barrierStrength, 1e-6);
    EXPECT_NEAR(o.BarrierCapacity[1], 60 * barrierStrength * 100 + o.LeaveExcessCapacity[1], 1e-2);
    EXPECT_NEAR(o.BarrierCapacity[2], 60 * barrierStrength * 100, 1e-2);
}

TEST(OndarCapacities, ABarrierNarrowerThanTheSeamHasOnlyTheLeaveRowExcess) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(2);
    p.FirstGobBarrierWidth = 6;  // under the 7 ft entry height
    p.LeaveRowC = 1;
    p.RowCPillarWidth = 60;
    const OndarModelState& o = Capacities(f, p);
    EXPECT_EQ(o.BarrierStrength[1], 0);
    EXPECT_GT(o.LeaveExcessCapacity[1], 0);
    EXPECT_DOUBLE_EQ(o.BarrierCapacity[1], o.LeaveExcessCapacity[1]);
}

}  // namespace
}  // namespace vesk::test
