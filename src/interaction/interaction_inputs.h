#pragma once
#include <cstdint>

namespace vesk {

// The few numbers the interaction statistics work from, gathered from the
// workspace at the end of a run. Lengths are in feet and stresses in psi,
// whatever the project's unit system; ReportUnitSystem only says in which
// units page 1 shows them.
struct InteractionInputs {
    int16_t ActiveMiningMode = 0;  // 0 longwall, 1 room and pillar
    int16_t VerticalPosition = 0;  // 0 active seam over the previous one, 1 under
    int16_t PreviousMining = 0;    // 0 gob solid layout, 1 remnant pillar layout
    int16_t LoadingCase = 1;       // room and pillar: loading condition + 1 (1..4)
    int16_t ReportUnitSystem = 0;  // 0 English, 1 Metric

    float Interburden = 0;  // actual interburden, ft
    float CMRR = 45;        // roof rating of the active seam
    float AgeOfWorkings = 10;
    double Depth = 0;            // depth of cover of the active method, ft
    double RemnantWidth = 0;     // ft
    double LowerSeamHeight = 0;  // height of the lower of the two seams, ft

    // Total vertical stress of the development case and of the second case
    // (tailgate loading or retreat), psi.
    float DevTotalStress = 0;
    float SecondTotalStress = 0;

    // Multiple-seam stability factors: development, and tailgate loading
    // (longwall) or retreat (room and pillar).
    double DevSFMS = 0;
    double SecondSFMS = 0;

    // Room and pillar only, for the suggested stability factor: the panel
    // width (sum of the entry centres, ft) and the smallest barrier pillar
    // factor of the side gobs present (10000 when there is none).
    double EntryCentersSum = 0;
    double MinBarrierSF = 10000;

    // Stresses shown in the calculated-stresses block, psi.
    float DevStress = 0;
    float MultiSeamStress = 0;
    float DevAbutmentStress = 0;
    float RetreatStressIncrease = 0;
    float RetreatTotalStress = 0;
};

}  // namespace vesk
