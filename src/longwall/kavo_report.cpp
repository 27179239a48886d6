#include "longwall/kavo_report.h"

#include <cmath>
#include <string>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "longwall/kavo_model.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {
namespace {

constexpr int LengthRow = 0;
constexpr int StressRow = 1;
constexpr int PsfRow = 4;
constexpr int PoundsRow = 5;
constexpr int TonsRow = 6;

constexpr double PoundsPerTon = 2000;

// The units the pages print in: the project's own system, and for an English
// project the longwall output options.
struct ReportUnits {
    bool metric = false;
    bool strengthInPsf = false;  // English only
    bool loadInTons = false;     // English only
    std::string length, strength, load;

    explicit ReportUnits(const Workspace& ws) {
        metric = ws.Run.SavedUnitSystem == Metric;
        const int column = metric ? 1 : 0;
        if (!metric) {
            strengthInPsf = ws.Options.KavoOutputStrUnits == 1;
            loadInTons = ws.Options.KavoOutputStrGradUnits == 1;
        }
        length = UnitLabel[column][LengthRow];
        strength = strengthInPsf ? UnitLabel[0][PsfRow] : UnitLabel[column][StressRow];
        load = loadInTons ? UnitLabel[0][TonsRow] : UnitLabel[column][PoundsRow];
    }

    // A length in ft as printed: a Single in ft, or its quotient in m.
    std::string Length(float feet) const {
        return metric ? FormatNumber(feet / FeetPerMetre, "##0.0") : FormatNumber(feet, "##0.0");
    }

    // A unit strength in psf as kept for the plots: psf, or psi (also for a
    // metric project, whose page shows MPa).
    float StrengthKept(float psf) const { return strengthInPsf ? psf : psf / 144.0f; }
    std::string Strength(float kept) const {
        return metric ? FormatNumber(kept / PsiPerMPa, "##0.00") : FormatNumber(kept, "##0");
    }

    // A load or capacity in lb per ft of gate entry as printed and kept
    // (single precision, like every stored value of the method): lb/ft,
    // tons/ft or kN/m.
    float Load(float poundsPerFoot) const {
        if (metric) return static_cast<float>(poundsPerFoot * KNmPerLbfFt);
        if (loadInTons) return static_cast<float>(poundsPerFoot / PoundsPerTon);
        return poundsPerFoot;
    }

    // A load line of page 4 ("#,000"). Pounds and tons are single values
    // (tons by a single division) and print at single precision; kN/m is the
    // double product with the conversion factor, not rounded to a single.
    std::string LoadText(float poundsPerFoot) const {
        if (metric) return FormatNumber(poundsPerFoot * KNmPerLbfFt, "#,000");
        return FormatNumber(Load(poundsPerFoot), "#,000");
    }

    // A multiple-seam load line: the load plus a share of the multiple-seam
    // load, both in report units (the multiple-seam load kept single). A
    // whole share adds single to single; a fractional share, and every
    // metric line, is a double sum.
    std::string MultiSeamLoadText(float poundsPerFoot, double share, float multiSeamLoad) const {
        if (metric) return FormatNumber(poundsPerFoot * KNmPerLbfFt + share * multiSeamLoad, "#,000");
        const float load = Load(poundsPerFoot);
        if (share == 0) return FormatNumber(load, "#,000");
        if (share == 1) return FormatNumber(load + multiSeamLoad, "#,000");
        return FormatNumber(load + share * multiSeamLoad, "#,000");
    }

    std::string PerGateEntry() const { return load + " /" + length + " of gate entry"; }
};

std::string Line(const std::string& label, int width, const std::string& value) {
    return PadDots(label, width) + value + CrLf;
}

const char* const UnitWeightWarning =
    "The Kavo case history data base was analyzed with an overburden unit weight of 162 pcf.  Stability "
    "Factors "
    "(SF) obtained with a different overburden unit weight may not be comparable to the suggested SF values "
    "obtained from Pavex's analysis of the data base.";
const char* const CoalStrengthWarning =
    "The Kavo case history data base was analyzed with an in situ coal strength of 900 psi.  Stability "
    "Factors "
    "(SF) obtained with a different in situ coal strength may not be comparable to the suggested SF values "
    "obtained from Pavex's analysis of the data base.  Also, Pavex research has shown that the reliability "
    "of "
    "the Kavo design method decreases substantially when laboratory coal strengths were used in place of the "
    "default value.  For more information, see Help/Resources/In situ strength of coal.";
const char* const AbutmentAngleWarning =
    "The Kavo case history data base was analyzed with abutment angles of 21 degrees.  Stability Factors "
    "(SF) "
    "obtained with different abutment angles may not be comparable to the suggested SF values obtained from "
    "Pavex's analysis of the data base.  For more information, see Help/Input Parameters/Kavo Parameters.";

std::string FactorTable(const KavoModelState::PerCondition& classic, const KavoModelState::PerCondition& r) {
    std::string text;
    for (int c = 1; c <= 5; ++c) {
        text += PadDots(KavoConditionLabels[c], 35) + FormatNumber(classic[c], "##0.00") +
                std::string(13, ' ') + FormatNumber(r[c], "##0.00") + CrLf;
    }
    return text + CrLf + CrLf;
}

}  // namespace

void KavoReportStabilityFactors(Workspace& ws) {
    const KavoModelState& k = ws.Kavo;
    std::string& page = ws.OutBuf[2];
    page = "[Kavo STABILITY FACTORS - STANDARD GEOMETRY]";
    page += std::string(CrLf) + CrLf;
    page += std::string(30, ' ') + "Classic Kavo        Kavo (R)" + CrLf;
    page += FactorTable(k.KavoSF, k.KavoSFR);

    page += std::string("[Kavo STABILITY FACTORS - STANDARD GEOMETRY - MULTI SEAM CONDITIONS]") + CrLf + CrLf;
    page += std::string(30, ' ') + "Classic Kavo MS       Kavo (R) MS" + CrLf;
    page += FactorTable(k.KavoSFMS, k.KavoSFRMS);

    // Inputs outside the case-history data base, judged on the English
    // working values of the run.
    const KavoParams& in = ws.KavoWork;
    const bool unitWeightDiffers = RoundHalfEven(in.UnitWeight, 1) != 162;
    const bool coalStrengthDiffers = std::floor(in.CoalStrength) != 900;
    const bool abutmentAngleDiffers = in.AbutmentAngle != 21;
    if (unitWeightDiffers || coalStrengthDiffers || abutmentAngleDiffers) {
        page += std::string("[WARNINGS]") + CrLf;
        if (unitWeightDiffers) page += WrapAt(UnitWeightWarning, 70) + CrLf;
        if (coalStrengthDiffers) page += WrapAt(CoalStrengthWarning, 70) + CrLf;
        if (abutmentAngleDiffers) page += WrapAt(AbutmentAngleWarning, 70) + CrLf;
    }
    page += CrLf;
    AddHistory(ws, "Kavo stability factors calculated");
}

void KavoReportCapacityAndLoads(Workspace& ws, int16_t kind) {
    KavoModelState& k = ws.Kavo;
    const ReportUnits units(ws);
    const std::string perGateEntry = units.PerGateEntry();

    // Page 3: capacity of every pillar and of the pillar system.
    std::string& capacity = ws.OutBuf[3];
    capacity = kind == 2 ? "[Kavo PILLAR LOAD BEARING CAPACITY FOR TAILGATE LOADING]"
                         : "[Kavo PILLAR LOAD BEARING CAPACITY]";
    capacity += std::string(CrLf) + CrLf;
    for (int i = 1; i <= k.PillarCount; ++i) {
        k.StrengthClassicOut[i] = units.StrengthKept(k.StrengthClassic[i]);
        k.StrengthROut[i] = units.StrengthKept(k.StrengthR[i]);
        k.CapacityClassicOut[i] = units.Load(k.CapacityClassic[i]);
        k.CapacityROut[i] = units.Load(k.CapacityR[i]);

        capacity += "PILLAR #" + std::to_string(i) + CrLf;
        capacity += Line("  for Pillar Width" + units.length, 65, units.Length(k.PillarWidth[i]));
        capacity += Line("  and Pillar Length" + units.length, 65, units.Length(k.PillarLength[i]));
        capacity += Line("  Width/Height Ratio", 65, FormatNumber(k.WidthHeightRatio[i], "##0.00"));
        capacity +=
            Line("  Unit Pillar Strength" + units.strength, 65, units.Strength(k.StrengthClassicOut[i]));
        capacity += Line("  Pillar Load Bearing Capacity" + perGateEntry, 65,
                         FormatNumber(k.CapacityClassicOut[i], "0.00E+00")) +
                    CrLf;
        capacity +=
            Line("  Unit Pillar Strength (R)" + units.strength, 65, units.Strength(k.StrengthROut[i]));
        capacity += Line("  Pillar Load Bearing Capacity (R)" + perGateEntry, 65,
                         FormatNumber(k.CapacityROut[i], "0.00E+00")) +
                    CrLf;
    }
    capacity += CrLf;
    capacity += std::string("TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [Kavo Classic]") + CrLf;
    capacity += Line("  Total Load" + perGateEntry, 65,
                     FormatNumber(units.Load(k.TotalCapacityClassic), "0.00E+00")) +
                CrLf;
    capacity += std::string("TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [Kavo (R)]") + CrLf;
    capacity +=
        Line("  Total Load" + perGateEntry, 65, FormatNumber(units.Load(k.TotalCapacityR), "0.00E+00"));
    if (ws.Options.KavoPrintPlotReminder != 0) {
        capacity += CrLf;
        for (const char* reminder : {"To view the distribution of Unit Pillar Loading",
                                     "select 'View Plots->Settings->Unit Pillar Loading'",
                                     "To view the distribution of Load Bearing Capacity",
                                     "select 'View Plots->Settings->Load Bearing Capacity'"}) {
            capacity += std::string(reminder) + CrLf;
        }
    }
    capacity += std::string(CrLf) + CrLf + CrLf;

    // Page 4: single- and multiple-seam loads on the pillar system. The
    // multiple-seam load is shared by the conditions in fixed proportions.
    static constexpr const char* MultiSeamLabels[6] = {"",
                                                       "    MS Development Load",
                                                       "    MS Headgate Load",
                                                       "    MS Bleeder Load",
                                                       "*** MS Tailgate Load",
                                                       "    MS Isolated Load"};
    static constexpr double MultiSeamShare[6] = {0, 1, 0.75, 0.5, 0.15, 0};
    std::string& loads = ws.OutBuf[4];
    loads = "[Kavo SINGLE SEAM LOADS ON PILLAR SYSTEM" + perGateEntry + "]" + CrLf + CrLf;
    for (int c = 1; c <= 5; ++c) loads += Line(KavoConditionLabels[c], 55, units.LoadText(k.KavoLoads[c]));
    loads += std::string(CrLf) + CrLf + CrLf;
    loads += "[Kavo MULTIPLE SEAM LOADS ON PILLAR SYSTEM" + perGateEntry + "]" + CrLf + CrLf;
    const float multiSeamLoad = units.Load(k.msLoad);
    for (int c = 1; c <= 5; ++c) {
        loads += Line(MultiSeamLabels[c], 55,
                      units.MultiSeamLoadText(k.KavoLoads[c], MultiSeamShare[c], multiSeamLoad));
    }
    loads += std::string(CrLf) + CrLf + CrLf;
    AddHistory(ws, "Additional output calculated");
}

}  // namespace vesk
