#pragma once
#include <array>
#include <cstdint>

namespace vesk {

// Room-and-pillar retreat inputs. EntryCenters is indexed 1..9; element 0 is
// unused.
struct OndarParams {
    double EntryHeight = 0;
    double DepthOfCover = 0;
    double EntryWidth = 0;
    double CrosscutSpacing = 0;
    double CrosscutAngle = 90;
    int16_t NumberOfEntries = 2;
    std::array<double, 10> EntryCenters{};  // [1..9]
    double CoalStrength = 900;              // psi (metric: 900 / 145.0377 MPa)
    double UnitWeight = 162;                // pcf (metric: 162 / 6.3663022639200495 kN/m3)
    double AMZBreadth = 0;
    int16_t LoadingCondition = 0;  // 0 development .. 3 two side gobs
    int16_t AMZAuto = 1;
    float ArchFactor = 0;  // New leaves it as it was
    int16_t ArchFactorAuto = 1;
    double ActiveGobExtent = 0;
    double ActiveGobAbutmentAngle = 21;
    double FirstGobExtent = 0;
    double FirstGobAbutmentAngle = 21;
    double FirstGobBarrierWidth = 0;
    double FirstGobSlabCut = 0;
    double SecondGobExtent = 0;
    double SecondGobAbutmentAngle = 21;
    double SecondGobBarrierWidth = 0;
    double SecondGobSlabCut = 0;
    int16_t LeaveRowA = 0;
    int16_t LeaveRowB = 0;
    int16_t LeaveRowC = 0;
    int16_t LeaveRowD = 0;
    float RowCPillarWidth = 0;
    float RowDPillarWidth = 0;

    static constexpr int16_t MaxEntries = 10;

    bool operator==(const OndarParams&) const = default;
};

}  // namespace vesk
