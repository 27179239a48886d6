#include "retreat/ondar_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/project_records.h"
#include "project/units.h"
#include "project/workspace.h"
#include "retreat/single_value.h"

namespace vesk {

namespace {

constexpr double RadiansPerDegree = 0.017453292519943278;
// Abutment angles of 90 degrees or more are used as 89.9 degrees so that the
// tangent stays finite.
constexpr double SteepestAbutmentRad = 1.5690509975429008;

double AbutmentAngleToRadians(double degrees) {
    if (degrees >= 90) return SteepestAbutmentRad;
    return degrees * RadiansPerDegree;
}

// Number of pillar columns the arrays can hold for an entry count.
int UsablePillarCount(int16_t numberOfEntries) {
    return std::clamp(static_cast<int>(numberOfEntries) - 1, 0, OndarParams::MaxEntries - 1);
}

// Loading condition 0..3 of the project to the model's loading case 1..4; a
// 4 in the working copy is taken as 3 (two side gobs). Anything else gives 0,
// which the input check rejects.
int16_t LoadingCaseOf(int16_t loadingCondition) {
    if (loadingCondition >= 0 && loadingCondition <= 3) return static_cast<int16_t>(loadingCondition + 1);
    if (loadingCondition == 4) return 4;
    return 0;
}

// Fails for zero, negative and not-a-number values alike.
bool Positive(double value) {
    return value > 0;
}

bool Fail(Workspace& ws, const std::string& message) {
    ShowMessage(ws, message);
    return false;
}

}  // namespace

void OndarToEnglishUnits(Workspace& ws) {
    OndarUnitsSnapshot& snapshot = ws.Ondar.WorkBeforeConversion;
    snapshot.Saved = true;
    snapshot.Vesk = ws.VeskWork;
    snapshot.Ondar = ws.OndarWork;
    ConvertOndarUnits(ws.OndarWork, UnitDirection::ToEnglish);
    ConvertVeskUnits(ws.VeskWork, UnitDirection::ToEnglish);
}

void OndarToProjectUnits(Workspace& ws) {
    OndarUnitsSnapshot& snapshot = ws.Ondar.WorkBeforeConversion;
    // Dividing back would leave the rounding of a multiplication and a
    // division in every field (5.97 m coming back as 5.969999...), so the
    // values from before the conversion are put back, provided the working
    // copy is still exactly their conversion (and not, say, the copy of a
    // later run whose conversion was made elsewhere).
    bool restore = snapshot.Saved;
    if (restore) {
        OndarParams ondar = snapshot.Ondar;
        VeskParams vesk = snapshot.Vesk;
        ConvertOndarUnits(ondar, UnitDirection::ToEnglish);
        ConvertVeskUnits(vesk, UnitDirection::ToEnglish);
        restore = ondar == ws.OndarWork && vesk == ws.VeskWork;
    }
    snapshot.Saved = false;
    if (restore) {
        ws.OndarWork = snapshot.Ondar;
        ws.VeskWork = snapshot.Vesk;
    } else {
        ConvertOndarUnits(ws.OndarWork, UnitDirection::ToMetric);
        ConvertVeskUnits(ws.VeskWork, UnitDirection::ToMetric);
    }

    OndarModelState& o = ws.Ondar;
    if (o.ResultsInProjectUnits || o.ReportUnitsSet) return;
    o.ResultsInProjectUnits = true;

    const double psfToKPa = PsiPerPsf / PsiPerMPa * 1000;
    const double lbsPerFtToKNPerM = KNPerLbf * FeetPerMetre;
    for (int i = 1; i <= o.PillarCount; ++i) {
        o.Centers[i] /= FeetPerMetre;
        o.PillarWidth[i] /= FeetPerMetre;
        o.PillarLength[i] /= FeetPerMetre;
        o.PillarArea[i] = o.PillarArea[i] / FeetPerMetre / FeetPerMetre;
        o.PillarStrength[i] *= psfToKPa;
        o.PillarCapacity[i] *= KNPerLbf;
    }
    for (int b = 1; b <= 2; ++b) {
        o.BarrierStrength[b] *= psfToKPa;
        o.LeaveStrength[b] *= psfToKPa;
        o.BarrierWidth[b] /= FeetPerMetre;
        o.RemnantWidth[b] /= FeetPerMetre;
        o.BarrierCapacity[b] *= KNPerLbf;
        o.LeaveCapacity[b] *= KNPerLbf;
        o.LeaveTributaryLoad[b] *= KNPerLbf;
        o.LeaveExcessCapacity[b] *= KNPerLbf;
        o.RemnantCapacity[b] *= KNPerLbf;
    }
    o.RemnantLength /= FeetPerMetre;
    o.AMZCapacity *= KNPerLbf;
    o.AMZCapacityActive *= KNPerLbf;
    o.TributaryLoad *= KNPerLbf;
    for (int g = 1; g <= 3; ++g) o.AbutmentLoad[g] *= lbsPerFtToKNPerM;
    for (auto* table : {&o.AMZLoad, &o.LTRANSREM, &o.LTRANSBAR, &o.TotalLoad, &o.TotalLoadFull}) {
        for (auto& stage : *table) {
            for (double& value : stage) value *= KNPerLbf;
        }
    }
    for (auto* table : {&o.SlabCornerLoad, &o.LFBAR, &o.RemnantLoad, &o.BarrierTributaryLoad,
                        &o.BarrierFrontLoad, &o.BarrierSideLoad, &o.BarrierArchLoad, &o.BarrierTotalLoad}) {
        for (auto& stage : *table) {
            for (double& value : stage) value *= KNPerLbf;
        }
    }
}

bool OndarLoadModelInputs(Workspace& ws) {
    const OndarParams& in = ws.OndarWork;
    OndarModelState& o = ws.Ondar;

    // Start every run from a clean state, so that nothing of a previous run
    // (a larger pillar count, an old loading case) shows through.
    OndarUnitsSnapshot snapshot = o.WorkBeforeConversion;
    o = OndarModelState{};
    o.WorkBeforeConversion = snapshot;

    o.EntryHeight = in.EntryHeight;
    o.DepthOfCover = in.DepthOfCover;
    o.EntryWidth = in.EntryWidth;
    o.CrosscutSpacing = in.CrosscutSpacing;
    o.CrosscutAngleRad = in.CrosscutAngle * RadiansPerDegree;
    // In a run the unit system is always English here (the driver converts
    // first); the factor 1000 (MPa to kPa) applies to a direct metric call.
    o.StrengthPsf = in.CoalStrength * (ws.Header.UnitSystem == Metric ? 1000.0 : 144.0);
    o.UnitWeight = in.UnitWeight;
    o.AMZBreadth = in.AMZBreadth;
    o.PillarPitchLength = in.CrosscutSpacing - in.EntryWidth;
    o.EntryCount = in.NumberOfEntries;
    o.PillarCount = static_cast<int16_t>(UsablePillarCount(in.NumberOfEntries));
    o.AMZWidth = 0;
    for (int i = 1; i <= o.PillarCount; ++i) {
        o.Centers[i] = in.EntryCenters[i];
        o.PillarGap[i] = in.EntryCenters[i] - in.EntryWidth;
        o.AMZWidth += in.EntryCenters[i];
    }
    o.WorkingArchFactor = in.ArchFactor;
    o.GobExtent = {0, in.ActiveGobExtent, in.FirstGobExtent, in.SecondGobExtent};
    o.BarrierWidth = {0, in.FirstGobBarrierWidth, in.SecondGobBarrierWidth};
    o.SlabCut = {0, in.FirstGobSlabCut, in.SecondGobSlabCut};
    o.AbutmentAngleRad = {0, AbutmentAngleToRadians(in.ActiveGobAbutmentAngle),
                          AbutmentAngleToRadians(in.FirstGobAbutmentAngle),
                          AbutmentAngleToRadians(in.SecondGobAbutmentAngle)};
    o.LeaveRow = {0, in.LeaveRowA == 1 ? 1.0 : 0.0, in.LeaveRowB == 1 ? 1.0 : 0.0,
                  in.LeaveRowC == 1 ? 1.0 : 0.0, in.LeaveRowD == 1 ? 1.0 : 0.0};
    o.LeaveWidth = {0, in.RowCPillarWidth, in.RowDPillarWidth};
    o.LoadingCase = LoadingCaseOf(in.LoadingCondition);
    return OndarCheckInputs(ws);
}

bool OndarCheckInputs(Workspace& ws) {
    const OndarParams& in = ws.OndarWork;
    if (!Positive(in.EntryHeight)) return Fail(ws, "Invalid entry height");
    if (!Positive(in.DepthOfCover)) return Fail(ws, "Invalid depth of cover");
    if (!(in.CrosscutAngle >= 0 && in.CrosscutAngle <= 90)) return Fail(ws, "Invalid crosscut angle");
    if (!Positive(in.EntryWidth)) return Fail(ws, "Invalid entry width");
    if (!Positive(in.CrosscutSpacing)) return Fail(ws, "Invalid crosscut spacing");
    if (!Positive(in.CoalStrength)) return Fail(ws, "Invalid coal strength");
    if (!Positive(in.AMZBreadth)) return Fail(ws, "Invalid breadth of AMZ");
    if (!Positive(in.UnitWeight)) return Fail(ws, "Invalid unit weight");
    if (!Positive(in.ArchFactor)) return Fail(ws, "Invalid Arch Percent");
    // A panel needs at least one pillar between two entries; the arrays hold
    // at most ten entries. (With fewer than two entries the centre distances
    // below are not read, so this check does not change their message.)
    if (in.NumberOfEntries < 2 || in.NumberOfEntries > OndarParams::MaxEntries) {
        return Fail(ws, "Invalid number of entries");
    }
    const int pillars = in.NumberOfEntries - 1;
    for (int i = 1; i <= pillars; ++i) {
        if (!Positive(in.EntryCenters[i])) {
            return Fail(ws, "Invalid center-to-center distance #" + std::to_string(i));
        }
    }
    // The checks above come first, in their order, so that a project with one
    // bad field of theirs gets their message. What follows rejects inputs that
    // would end the run in a division by zero or give meaningless pillars.
    // An angle of 0 makes the crosscuts parallel to the entries (no pillar,
    // and a division by sin 0 in the geometry).
    if (in.CrosscutAngle == 0) return Fail(ws, "Invalid crosscut angle");
    // Entries as wide as their spacing, or crosscuts too close for the entry
    // width at this angle, leave no pillar: its dimensions would come out zero
    // or negative and the capacities meaningless.
    for (int i = 1; i <= pillars; ++i) {
        if (in.EntryCenters[i] <= in.EntryWidth)
            return Fail(ws, "Entry spacing should be more than Entry Width");
    }
    if (in.CrosscutSpacing * std::sin(in.CrosscutAngle * RadiansPerDegree) <= in.EntryWidth) {
        return Fail(ws, "Invalid crosscut spacing");
    }
    const int16_t loadingCase = LoadingCaseOf(in.LoadingCondition);
    if (loadingCase == 0) return Fail(ws, "Invalid loading condition");
    // With one active section alone the leave rows A and B are taken out of
    // the active mining zone; at least one pillar column must remain in it.
    if (loadingCase == 2) {
        const bool rowA = in.LeaveRowA == 1;
        const bool rowB = in.LeaveRowB == 1 && !(rowA && pillars == 1);
        if ((rowA ? 1 : 0) + (rowB ? 1 : 0) >= pillars) {
            return Fail(ws, "Invalid leave rows: no pillar remains in the active mining zone");
        }
    }
    return true;
}

float ModelArchFactor(const Workspace& ws) {
    const OndarParams& in = ws.OndarWork;
    if (in.ArchFactorAuto == 0) return in.ArchFactor;
    const OndarModelState& o = ws.Ondar;
    float panelWidth = 0;
    for (int i = 1; i <= o.PillarCount; ++i) panelWidth = ToSingle(panelWidth + o.Centers[i]);
    const double depth = o.DepthOfCover;
    if (panelWidth == 0) return 1.0f;
    float factor = 0;
    if (depth > 25) factor = ToSingle(1 - 0.28 * std::log(depth / panelWidth));
    if (panelWidth > ToSingle(depth - 80)) factor = 1.0f;
    if (factor < 0.28f) factor = 0.28f;
    return RoundHalfEven(factor, 2);
}

float AutoArchFactor(float depth, float panelWidth, int16_t unitSystem) {
    if (panelWidth == 0) return 1.0f;
    float limit = 0;
    if (unitSystem == Metric) {
        depth = ToSingle(depth * FeetPerMetre);
        panelWidth = ToSingle(panelWidth * FeetPerMetre);
        limit = ToSingle(depth - 262.4671916010498);
    } else {
        limit = depth - 80.0f;
    }
    float factor = 0;
    if (depth > 25) factor = ToSingle(1 - 0.28 * std::log(static_cast<double>(depth) / panelWidth));
    if (limit < panelWidth) factor = 1.0f;
    if (factor < 0.28f) factor = 0.28f;
    return RoundHalfEven(factor, 2);
}

float AutoArchFactor(const OndarParams& params, int16_t unitSystem) {
    float panelWidth = 0;
    for (int i = 1; i <= UsablePillarCount(params.NumberOfEntries); ++i) {
        panelWidth = ToSingle(panelWidth + params.EntryCenters[i]);
    }
    return AutoArchFactor(ToSingle(params.DepthOfCover), panelWidth, unitSystem);
}

int32_t AutoAMZBreadth(float depth, int16_t unitSystem) {
    if (!(depth >= 0)) return 0;
    double breadth = 0;
    if (unitSystem == Metric) {
        const float depthFt = ToSingle(depth * FeetPerMetre);
        breadth = 5 * std::sqrt(static_cast<double>(depthFt)) / FeetPerMetre;
    } else {
        breadth = 5 * std::sqrt(static_cast<double>(depth));
    }
    breadth = std::floor(breadth);
    if (breadth > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(breadth);
}

float RoundForReport(double value) {
    return ToSingle(RoundHalfEven(value, 2));
}

const char* OndarStageLabel(int stage) {
    return stage == 2 ? "Retreat" : "Development";
}

}  // namespace vesk
