#pragma once
#include <array>
#include <cstdint>

namespace vesk {

// Longwall gate-entry inputs. Arrays are indexed 1..5 as in the tables of the
// method; element 0 is unused so that the formulas read as written.
struct KavoParams {
    float EntryHeight = 0;
    float PanelWidth = 0;
    float DepthOfCover = 0;
    float EntryWidth = 0;
    float CrosscutSpacing = 0;
    int16_t NumberOfEntries = 2;
    std::array<float, 6> EntryCenters{};  // [1..5]
    float CoalStrength = 900;             // psi (metric: 900 / 145.0377 MPa)
    float AbutmentAngle = 21;
    float UnitWeight = 162;  // pcf (metric: 162 / 6.3663022639200495 kN/m3)
    float CMRR = 45;
    int16_t UseCMRRFactors = 0;  // New leaves it as it was
    float SFHeadgate = 1.3f;
    float SFBleeder = 1.3f;
    float SFTailgate = 1.3f;
    int16_t PillarConfiguration = 0;  // 0 equal, 1 yield abutment, 2 yield abutment yield, 3 2 entry
    float YieldPillarWidth = 0;
    int16_t AdvancedGeometry = 0;
    std::array<float, 6> PillarCrosscutAngle{};    // [1..5]
    std::array<float, 6> PillarCrosscutSpacing{};  // [1..5]

    static constexpr int16_t MaxEntries = 6;

    bool operator==(const KavoParams&) const = default;
};

}  // namespace vesk
