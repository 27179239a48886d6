#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "project/ondar_params.h"
#include "project/vesk_params.h"

namespace vesk {

// Inputs and results of the retreat method's last run (owned by the retreat
// method; read by the reports, the statistics, the sweeps and the drawings).
//
// The model computes in English units: lengths ft, areas ft2, forces lbs,
// stresses psf. After a metric run's back conversion the results listed in
// OndarToProjectUnits are in m, kN and kPa; after the report pages were
// written the loads and strengths are in the report's output units.
//
// All arrays are 1-based like the program's tables; element 0 is unused.
// Pillars i = 1..9, gobs g = 1 active, 2 first side, 3 second side, side
// barriers b = 1..2, leave rows 1..4 (A..D) and 1..2 (C, D), loading steps
// k = 1..4, stages 1 Development and 2 Retreat.
// The working copies as they were before a metric run's conversion to
// English units, so that the way back restores them exactly.
struct OndarUnitsSnapshot {
    bool Saved = false;
    VeskParams Vesk;
    OndarParams Ondar;
};

struct OndarModelState {
    using PillarValues = std::array<double, 10>;               // [i]
    using StagedSteps = std::array<std::array<double, 5>, 3>;  // [Stage][k]
    using StagedSides = std::array<std::array<double, 3>, 3>;  // [Stage][b]

    // Inputs copied from the working copy, and what follows from them alone.
    double EntryHeight = 0;        // h
    double DepthOfCover = 0;       // H
    double EntryWidth = 0;         // We
    double CrosscutSpacing = 0;    // Xc
    double CrosscutAngleRad = 0;   // crosscut angle in radians
    double StrengthPsf = 0;        // in situ coal strength, psf
    double UnitWeight = 0;         // gamma, pcf
    double AMZBreadth = 0;         // B
    double PillarPitchLength = 0;  // Xc - We
    int16_t EntryCount = 0;
    int16_t PillarCount = 0;  // n
    PillarValues Centers{};
    PillarValues PillarGap{};  // Centers - We
    double AMZWidth = 0;       // sum of Centers
    float WorkingArchFactor = 0;
    std::array<double, 4> GobExtent{};         // [g]
    std::array<double, 3> BarrierWidth{};      // [b]
    std::array<double, 3> SlabCut{};           // [b]
    std::array<double, 4> AbutmentAngleRad{};  // [g], at most 89.9 degrees
    std::array<double, 5> LeaveRow{};          // [1..4] rows A..D, 0.0 or 1.0
    std::array<double, 3> LeaveWidth{};        // [1..2] rows C, D
    int16_t LoadingCase = 0;                   // 1..4 (0 before the first run)

    // Geometry and capacities.
    double AMZArea = 0;
    double PerpendicularLength = 0;
    PillarValues SkewWidth{};
    PillarValues PillarArea{};
    PillarValues PillarWidth{};   // smaller plan dimension
    PillarValues PillarLength{};  // larger plan dimension
    PillarValues PillarStrength{};
    PillarValues PillarCapacity{};
    double PillarAreaInAMZ = 0;
    double ExtractionRatio = 0;  // a fraction
    double AMZCapacity = 0;
    double AMZWidthActive = 0;  // without leave rows A and B
    double AMZAreaActive = 0;
    double AMZCapacityActive = 0;
    std::array<double, 3> LeaveStrength{};  // [1..2] rows C, D
    std::array<double, 3> LeaveCapacity{};
    std::array<double, 3> LeaveTributaryLoad{};
    std::array<double, 3> LeaveExcessCapacity{};
    std::array<double, 3> BarrierStrength{};  // [b]
    std::array<double, 3> BarrierCapacity{};  // [b], leave-row excess included

    // Pass control.
    int16_t Stage = 0;
    bool ArchMode = false;   // true while the arch factor is forced to 1
    bool NarrowGob = false;  // the active gob is narrower than its extent

    // Per pass (every pass overwrites them).
    double TributaryLoad = 0;
    double AbutmentExtent = 0;  // 9.3 x sqrt(H)
    double FrontRFactor = 0;
    std::array<double, 4> AbutmentLoad{};  // [g], lbs/ft
    double ActiveGobWidth = 0;
    double RemnantLength = 0;
    std::array<double, 3> SideRFactor{};      // [b]
    std::array<double, 3> RemnantWidth{};     // [b]
    std::array<double, 3> RemnantStrength{};  // [b]
    std::array<double, 3> RemnantCapacity{};  // [b]
    std::array<double, 3> RemnantSF{};        // [b]
    float EffectiveArchFactor = 0;
    float MeanPillarWidth = 0;
    std::array<std::array<double, 3>, 5> StepStress{};  // [k][Stage], psi
    std::array<double, 3> SingleSeamStress{};           // [Stage], psi

    // Staged tables.
    StagedSteps AMZLoad{};    // k = 2 front, 3 first side, 4 second side
    StagedSteps LTRANSREM{};  // k = 3..4
    StagedSteps LTRANSBAR{};  // k = 3..4
    StagedSteps TotalLoad{};  // cumulative, arch factor applied
    StagedSteps TotalLoadFull{};
    StagedSides SlabCornerLoad{};
    StagedSides LFBAR{};
    StagedSides RemnantLoad{};
    StagedSides BarrierTributaryLoad{};
    StagedSides BarrierFrontLoad{};
    StagedSides BarrierSideLoad{};
    StagedSides BarrierArchLoad{};
    StagedSides BarrierTotalLoad{};
    StagedSides BarrierSF{};

    // Public results.
    std::array<double, 3> OndarSF{};                         // [Stage] single seam
    std::array<double, 3> OndarSFMS{};                       // [Stage] multiple seam
    std::array<std::array<float, 3>, 5> OndarTotalStress{};  // [k][Stage], psi

    // Report state: unit suffixes of pages 3..6, the smallest barrier factor
    // printed on page 2, and whether the loads and strengths were already
    // converted to the output units (the conversion must happen once a run).
    std::string LoadLabel;
    std::string StressLabel;
    float MinBarrierSF = 10000;
    bool ResultsInProjectUnits = false;
    bool ReportUnitsSet = false;

    OndarUnitsSnapshot WorkBeforeConversion;
};

}  // namespace vesk
