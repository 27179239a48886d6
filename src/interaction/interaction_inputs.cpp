#include "interaction/interaction_inputs.h"

#include <algorithm>

#include "interaction/interaction_statistics.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {

InteractionInputs GatherInteractionInputs(const Workspace& ws) {
    const VeskParams& vesk = ws.VeskWork;
    const bool longwall = vesk.ActiveMiningMode == 0;
    // Longwall runs reach the statistics still in English units; a metric
    // room-and-pillar run has already turned its working copies back.
    const double toFeet = ws.Header.UnitSystem == Metric ? FeetPerMetre : 1.0;

    InteractionInputs in;
    in.ActiveMiningMode = longwall ? 0 : 1;
    in.VerticalPosition = vesk.VerticalPosition;
    in.PreviousMining = vesk.PreviousMining;
    in.ReportUnitSystem = ws.Run.SavedUnitSystem;
    in.Interburden = static_cast<float>(vesk.InterburdenThickness * toFeet);
    in.CMRR = vesk.ActiveSeamCMRR;
    in.AgeOfWorkings = vesk.AgeOfWorkings;
    in.RemnantWidth = vesk.RemnantWidth * toFeet;
    in.MultiSeamStress = ws.Run.avgMultiSeamStress;
    in.DevStress = ws.Stress.DevStress;

    if (longwall) {
        const KavoParams& kavo = ws.KavoWork;
        in.Depth = kavo.DepthOfCover * toFeet;
        in.LowerSeamHeight = (vesk.VerticalPosition == 0 ? vesk.SeamThickness : kavo.EntryHeight) * toFeet;
        in.DevTotalStress = ws.Kavo.KavoTotalStress[1];
        in.SecondTotalStress = ws.Kavo.KavoTotalStress[4];
        in.DevSFMS = ws.Kavo.KavoSFMS[1];
        in.SecondSFMS = ws.Kavo.KavoSFMS[4];
        // The tailgate abutment and total stress are worked out by the
        // statistics itself for the report.
        return in;
    }

    const OndarParams& ondar = ws.OndarWork;
    in.LoadingCase = static_cast<int16_t>(std::clamp<int>(ondar.LoadingCondition + 1, 1, 4));
    in.Depth = ondar.DepthOfCover * toFeet;
    in.LowerSeamHeight = (vesk.VerticalPosition == 0 ? vesk.SeamThickness : ondar.EntryHeight) * toFeet;
    in.DevTotalStress = ws.Stress.DevTotalStress;
    in.SecondTotalStress = ws.Stress.RetreatTotalStress;
    in.DevSFMS = ws.Ondar.OndarSFMS[1];
    in.SecondSFMS = ws.Ondar.OndarSFMS[2];
    in.DevAbutmentStress = ws.Stress.DevAbutmentStress;
    in.RetreatStressIncrease = ws.Stress.RetreatStressIncrease;
    in.RetreatTotalStress = ws.Stress.RetreatTotalStress;

    const int pillars = std::clamp<int>(ondar.NumberOfEntries - 1, 0, OndarParams::MaxEntries - 1);
    for (int i = 1; i <= pillars; ++i) in.EntryCentersSum += ondar.EntryCenters[i] * toFeet;

    // The weakest barrier pillar of the side gobs present, in the stages the
    // run has (the retreat stage only with an active gob).
    in.MinBarrierSF = 10000;
    if (in.LoadingCase >= 3) {
        const int lastStage = ondar.ActiveGobExtent != 0 ? 2 : 1;
        const int lastSide = in.LoadingCase == 4 ? 2 : 1;
        for (int stage = 1; stage <= lastStage; ++stage) {
            for (int side = 1; side <= lastSide; ++side) {
                in.MinBarrierSF = std::min(in.MinBarrierSF, ws.Ondar.BarrierSF[stage][side]);
            }
        }
    }
    return in;
}

}  // namespace vesk
