#include "project/project_records.h"

#include <algorithm>

#include "project/units.h"
#include "project/workspace.h"

namespace vesk {

namespace {

// Single fields: the product is formed in double and rounded once to float.
void Scale(float& value, double factor, UnitDirection direction) {
    double v = static_cast<double>(value);
    value = static_cast<float>(direction == UnitDirection::ToEnglish ? v * factor : v / factor);
}

void Scale(double& value, double factor, UnitDirection direction) {
    value = direction == UnitDirection::ToEnglish ? value * factor : value / factor;
}

// Number of centre distances in use, kept inside the array.
template <size_t N>
size_t UsedDistances(int16_t numberOfEntries) {
    int used = std::clamp(static_cast<int>(numberOfEntries) - 1, 0, static_cast<int>(N) - 1);
    return static_cast<size_t>(used);
}

}  // namespace

ProjectRecords NewProjectRecords(int16_t unitSystem) {
    ProjectRecords records;
    if (unitSystem == Metric) {
        records.Kavo.CoalStrength = static_cast<float>(900.0 / PsiPerMPa);
        records.Kavo.UnitWeight = static_cast<float>(162.0 / PcfPerKNm3);
        records.Ondar.CoalStrength = 900.0 / PsiPerMPa;
        records.Ondar.UnitWeight = 162.0 / PcfPerKNm3;
    }
    return records;
}

void SetNewProjectRecords(Workspace& ws, int16_t unitSystem) {
    ProjectRecords records = NewProjectRecords(unitSystem);
    ws.VeskInput = records.Vesk;
    ws.KavoInput = records.Kavo;
    ws.OndarInput = records.Ondar;
}

void CopyStoredToWorking(Workspace& ws) {
    ws.VeskWork = ws.VeskInput;
    ws.KavoWork = ws.KavoInput;
    ws.OndarWork = ws.OndarInput;
}

void ConvertVeskUnits(VeskParams& vesk, UnitDirection direction) {
    for (float* length : {&vesk.InterburdenThickness, &vesk.SeamThickness, &vesk.GobWidth, &vesk.RemnantWidth,
                          &vesk.GobWidth1, &vesk.GobWidth2}) {
        Scale(*length, FeetPerMetre, direction);
    }
}

void ConvertKavoUnits(KavoParams& kavo, UnitDirection direction) {
    for (float* length :
         {&kavo.EntryHeight, &kavo.DepthOfCover, &kavo.PanelWidth, &kavo.EntryWidth, &kavo.CrosscutSpacing}) {
        Scale(*length, FeetPerMetre, direction);
    }
    size_t used = UsedDistances<KavoParams::MaxEntries>(kavo.NumberOfEntries);
    for (size_t i = 1; i <= used; ++i) {
        Scale(kavo.EntryCenters[i], FeetPerMetre, direction);
        Scale(kavo.PillarCrosscutSpacing[i], FeetPerMetre, direction);
    }
    Scale(kavo.YieldPillarWidth, FeetPerMetre, direction);
    Scale(kavo.CoalStrength, PsiPerMPa, direction);
    Scale(kavo.UnitWeight, PcfPerKNm3, direction);
}

void ConvertOndarUnits(OndarParams& ondar, UnitDirection direction) {
    for (double* length :
         {&ondar.EntryHeight, &ondar.DepthOfCover, &ondar.EntryWidth, &ondar.CrosscutSpacing}) {
        Scale(*length, FeetPerMetre, direction);
    }
    size_t used = UsedDistances<OndarParams::MaxEntries>(ondar.NumberOfEntries);
    for (size_t i = 1; i <= used; ++i) Scale(ondar.EntryCenters[i], FeetPerMetre, direction);
    for (double* length : {&ondar.AMZBreadth, &ondar.ActiveGobExtent, &ondar.FirstGobExtent,
                           &ondar.FirstGobBarrierWidth, &ondar.FirstGobSlabCut, &ondar.SecondGobExtent,
                           &ondar.SecondGobBarrierWidth, &ondar.SecondGobSlabCut}) {
        Scale(*length, FeetPerMetre, direction);
    }
    Scale(ondar.RowCPillarWidth, FeetPerMetre, direction);
    Scale(ondar.RowDPillarWidth, FeetPerMetre, direction);
    Scale(ondar.CoalStrength, PsiPerMPa, direction);
    Scale(ondar.UnitWeight, PcfPerKNm3, direction);
}

ProjectUnitsSnapshot ToEnglishUnits(Workspace& ws, int16_t mode) {
    ProjectUnitsSnapshot snapshot;
    snapshot.UnitSystem = ws.Header.UnitSystem;
    ws.Run.SavedUnitSystem = ws.Header.UnitSystem;
    if (ws.Header.UnitSystem != Metric) return snapshot;

    snapshot.Converted = true;
    snapshot.Working = ProjectRecords{ws.VeskWork, ws.KavoWork, ws.OndarWork};
    ConvertVeskUnits(ws.VeskWork, UnitDirection::ToEnglish);
    if (mode == 0) {
        ConvertKavoUnits(ws.KavoWork, UnitDirection::ToEnglish);
    } else {
        ConvertOndarUnits(ws.OndarWork, UnitDirection::ToEnglish);
    }
    ws.Header.UnitSystem = English;
    return snapshot;
}

void RestoreProjectUnits(Workspace& ws, const ProjectUnitsSnapshot& snapshot) {
    if (!snapshot.Converted) return;
    ws.VeskWork = snapshot.Working.Vesk;
    ws.KavoWork = snapshot.Working.Kavo;
    ws.OndarWork = snapshot.Working.Ondar;
    ws.Header.UnitSystem = snapshot.UnitSystem;
}

}  // namespace vesk
