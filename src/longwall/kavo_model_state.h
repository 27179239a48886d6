#pragma once
#include <array>
#include <cstdint>

#include "project/project_records.h"

namespace vesk {

// Inputs, intermediate values and results of the longwall method's last run
// (owned by the longwall method; read by the reports, the statistics, the
// sweeps and the drawings). Everything is in English units during and after a
// run: lengths ft, strengths psf inside, loads lb per ft of gate entry,
// published stresses psi. Per-pillar arrays are indexed 1..PillarCount and
// per-condition arrays 1..5; element 0 is unused so the formulas read as the
// method's engineers write them. A run overwrites every used element; a run
// whose input check fails leaves the previous results as they were.
struct KavoModelState {
    using PerPillar = std::array<float, 6>;     // [1..5] pillars
    using PerCondition = std::array<float, 6>;  // [1..5] loading conditions

    // Copies of the inputs.
    float h = 0;   // entry (mining) height, ft
    float H = 0;   // depth of cover, ft
    float PW = 0;  // panel width, ft
    float We = 0;  // entry width, ft
    float S = 0;   // crosscut spacing, center-to-center, ft
    int16_t EntryCount = 0;
    int16_t PillarCount = 0;  // EntryCount - 1
    float beta = 0;           // abutment angle, degrees
    float gamma = 0;          // overburden unit weight, pcf
    float S1 = 0;             // in situ coal strength, psf
    PerPillar c{};            // center-to-center distance between entry i and i + 1, ft

    // Pillar geometry.
    PerPillar AcrossDimension{};
    PerPillar AlongDimension{};
    PerPillar PillarWidth{};   // the smaller plan dimension
    PerPillar PillarLength{};  // the larger plan dimension
    PerPillar WidthHeightRatio{};
    float SystemWidth = 0;  // sum of c(i), ft

    // Strengths (psf) and capacities (lb per ft of gate entry).
    PerPillar StrengthClassic{};
    PerPillar StrengthR{};
    PerPillar CapacityClassic{};
    PerPillar CapacityR{};
    float TotalCapacityClassic = 0;
    float TotalCapacityR = 0;

    // Loads (lb per ft of gate entry).
    float DevelopmentLoad = 0;
    float SideAbutmentLoad = 0;
    float AbutmentExtent = 0;    // D = 9.3 sqrt(H), ft
    float AbutmentFraction = 0;  // R, share of the side abutment on the pillar system, at most 1
    PerCondition KavoLoads{};
    PerCondition KavoAvgStress{};  // psi, working value of the last pass

    // Stability factors for pillar sizing: [1] headgate, [2] bleeder, [3] tailgate.
    std::array<float, 4> SizingSF{};
    std::array<float, 4> SizingSFR{};

    // True while the classic pass runs, false during the R pass.
    bool ClassicPass = true;

    // Results, by loading condition 1 development, 2 headgate, 3 bleeder,
    // 4 tailgate, 5 isolated.
    PerCondition KavoSF{};           // classic, single seam
    PerCondition KavoSFR{};          // R, single seam
    PerCondition KavoSFMS{};         // classic, multiple seam
    PerCondition KavoSFRMS{};        // R, multiple seam
    PerCondition KavoTotalStress{};  // single- plus multiple-seam average pillar stress, psi
    float msLoad = 0;                // multiple-seam load on the pillar system, lb per ft of gate entry

    // Strengths and capacities in the report's units, kept by the capacity
    // page for the pillar plots: strength psi, psf (or psi for a metric
    // project), capacity lb/ft, tons/ft or kN/m.
    PerPillar StrengthClassicOut{};
    PerPillar StrengthROut{};
    PerPillar CapacityClassicOut{};
    PerPillar CapacityROut{};

    // The working copies and unit system as they were before a metric run
    // turned them into English units; the way back restores them from here.
    ProjectUnitsSnapshot UnitsSnapshot;
};

}  // namespace vesk
