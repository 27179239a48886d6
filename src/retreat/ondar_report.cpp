#include "retreat/ondar_report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/units.h"
#include "project/workspace.h"
#include "retreat/ondar_model.h"
#include "retreat/single_value.h"

namespace vesk {

namespace {

constexpr const char* MoreOnFactors = "  For more information, consult Help/Stability Factors.";
constexpr const char* RowNote1 =
    "R-Factor for front abutment is the percent of the total front abutment load that is applied to the AMZ.";
constexpr const char* RowNote2 =
    "R-Factor for side abutment is the percent of the total side abutment load that is applied to the "
    "barrier "
    "pillar (the remainder is applied to the AMZ).";
constexpr const char* RowNote3 =
    "LTRANSBAR is the load transferred to the AMZ from the barrier pillar between the side and active gob if "
    "the "
    "barrier's SF is less than 1.5.";
constexpr const char* RowNote4 =
    "LTRANSREM is the load transferred to the AMZ from the remnant barrier between the side and active gob "
    "if the "
    "remnant's SF is less than 1.5.";

bool IsMetric(const Workspace& ws) {
    return ws.Header.UnitSystem == Metric;
}

const std::string& LengthSuffix(const Workspace& ws) {
    return UnitLabel[IsMetric(ws) ? 1 : 0][0];
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The short name of a side in the 7-character name column of pages 5 and 6.
std::string SideName(int side) {
    return PadRight(side == 1 ? "First" : "Second", 7);
}

std::string BarrierLabel(int side) {
    return side == 1 ? "FIRST SIDE GOB BARRIER" : "SECOND SIDE GOB BARRIER";
}

// "*" after side 1 when row C is left, "**" after side 2 when row D is left.
std::string LeaveMark(const Workspace& ws, int side) {
    if (side == 1 && ws.OndarWork.LeaveRowC == 1) return "*";
    if (side == 2 && ws.OndarWork.LeaveRowD == 1) return "**";
    return "";
}

std::string LeaveFootnotes(const Workspace& ws, int sides) {
    std::string text;
    if (sides >= 1 && ws.OndarWork.LeaveRowC == 1) {
        text += std::string(" *Includes contribution from row 'C' bleeder pillar") + CrLf;
    }
    if (sides >= 2 && ws.OndarWork.LeaveRowD == 1) {
        text += std::string("**Includes contribution from row 'D' bleeder pillar") + CrLf;
    }
    return text;
}

std::string SciNumber(double value) {
    return FormatNumber(value, "#.00E+00");
}

// Warning 2, with the suggested factor S for depths between 650 and 1000 ft.
std::string DepthWarningText(const Workspace& ws, double depthFt) {
    const bool metric = IsMetric(ws);
    std::string text =
        "Analysis of the Ondar case history data base suggests that when the depth of cover is ";
    text += FormatNumber(ws.OndarWork.DepthOfCover, "0");
    text += metric ? " m" : " ft";
    const std::string suggested = FormatNumber(1.5 - (depthFt - 650) / 350 * 0.2, "0.00");
    const std::string risk =
        ", the risk of pillar failure is increased when the Ondar SF is less than 1.5 or (";
    if (suggested == "1.50") {
        text += risk.substr(0, risk.size() - 4);
    } else {
        text += risk + suggested + " if the panel width is less than " + (metric ? "130 m" : "425 ft") +
                " and the Barrier Pillar SF exceeds 2.0.) ";
    }
    return text + MoreOnFactors;
}

}  // namespace

std::string OndarWarningText(int number, int16_t unitSystem) {
    const bool metric = unitSystem == Metric;
    const std::string panel = metric ? "130 m" : "425 ft";
    switch (number) {
        case 1:
            return std::string(
                       "Analysis of the Ondar case history data base suggests that the risk of pillar "
                       "failure is "
                       "increased when the Ondar SF is less than 1.5.") +
                   MoreOnFactors;
        case 3:
            return std::string(
                       "Analysis of the Ondar case history data base suggests that when the depth of cover "
                       "is "
                       "greater than ") +
                   (metric ? "300 m" : "1000 ft") +
                   ", the risk of pillar failure is increased when the Ondar SF is less than 1.5 or (1.3" +
                   " if the panel width is less than " + panel + " and the Barrier Pillar SF exceeds 2.0.) " +
                   MoreOnFactors;
        case 4:
            return std::string(
                       "Analysis of the Ondar case history data base suggests that when the depth of cover "
                       "is "
                       "greater than ") +
                   (metric ? "200 m" : "650 ft") +
                   ", the risk of pillar failure is increased when the Barrier Pillar SF is less than 1.5. " +
                   MoreOnFactors;
        case 5:
            return std::string(
                       "Analysis of the Ondar case history data base suggests that large groups of slender "
                       "pillars, "
                       "with width-to-height ratios of less than 4.0, may collapse suddenly.  To minimize "
                       "this "
                       "potentially severe hazard, an Ondar SF of at least 2.0 is recommended when such "
                       "slender "
                       "pillars are used.  An alternative is to minimize the size of the area supported by "
                       "slender "
                       "pillars.") +
                   MoreOnFactors;
        case 6: {
            const std::string deep = metric ? "600 m" : "2000 ft";
            return "The Ondar database includes only 7 retreat mining cases where the depth of cover "
                   "exceeded " +
                   deep +
                   ", and three of those were failures.  Retreat mining should be avoided when the depth "
                   "of " +
                   "cover exceeds " + deep + "." + MoreOnFactors;
        }
        case 7: {
            const std::string deep = metric ? "300 m. " : "1000 ft. ";
            return "The Ondar database includes 44 failures that occurred where the depth of cover "
                   "exceeded " +
                   deep +
                   "Of these, 20 were caused by coal bursts.  Pavex recommends that deep cover "
                   "room-and-pillar "
                   "retreat coal mines conduct regular burst hazard assessments for any areas where retreat "
                   "mining "
                   "is proposed and the depth of cover exceeds " +
                   deep;
        }
        case 8:
            return "The Ondar case history data base was analyzed with the breadth of the Active Mining Zone "
                   "(AMZ) "
                   "calculated automatically (AMZ = 5 times the square root of the depth of cover).  "
                   "Stability "
                   "Factors (SF) obtained with a different AMZ may not be comparable to the suggested SF "
                   "values "
                   "obtained from Pavex's analysis of the data base.  For more information, see Help/Project "
                   "Input "
                   "Parameters.";
        case 9:
            return "The Ondar case history data base was analyzed with an overburden unit weight of 162 pcf. "
                   " "
                   "Stability Factors (SF) obtained with a different overburden unit weight may not be "
                   "comparable to "
                   "the suggested SF values obtained from Pavex's analysis of the data base.";
        case 10:
            return "The Ondar case history data base was analyzed with an in situ coal strength of 900 psi.  "
                   "Stability Factors (SF) obtained with a different in situ coal strength may not be "
                   "comparable to "
                   "the suggested SF values obtained from Pavex's analysis of the data base.  Also, Pavex "
                   "research "
                   "has shown that the reliability of the Ondar design method decreases substantially when "
                   "laboratory coal strengths were used in place of the default value.  For more "
                   "information, see "
                   "Help/Resources/In situ strength of coal.";
        case 11:
            return "In the Ondar data base, of the 19 case histories of Active Retreat and Two Side Gobs "
                   "under deep "
                   "cover, only 7 were successful.  This extraction sequence should be avoided if possible.";
        case 12:
            return "The Ondar case history data base was analyzed with abutment angles of 21 degrees.  "
                   "Stability "
                   "Factors (SF) obtained with different abutment angles may not be comparable to the "
                   "suggested SF "
                   "values obtained from Pavex's analysis of the data base.  For more information, see "
                   "Help/Project "
                   "Input Parameters.";
        case 13:
            return "The Ondar case history data base was analyzed with the Pressure Arch Factor (Fpa) "
                   "calculated "
                   "automatically (Fpa = 0.28 times the natural log of the depth-to-panel-width ratio).  "
                   "Stability "
                   "Factors (SF) obtained with a different Fpa may not be comparable to the suggested SF "
                   "values "
                   "obtained from Pavex's analysis of the data base.  For more information, see Help/Project "
                   "Input "
                   "Parameters.";
        case 14:
            return "The Pressure Arch loading model used in Ondar v6 was derived from analysis of case "
                   "history data "
                   "from the Western and Central Appalachian coalfields in the US.  The overburden rock in "
                   "these two "
                   "coalfields is relatively strong.  No research has been conducted to test the "
                   "applicability of the "
                   "pressure arch loading model in other coalfields.";
        default: return "";
    }
}

void OndarSetReportUnits(Workspace& ws) {
    OndarModelState& o = ws.Ondar;
    const bool metric = IsMetric(ws);
    const bool tons = ws.Options.OndarOutputStrGradUnits == 1;
    const bool psf = ws.Options.OndarOutputStrUnits == 1;
    if (metric) {
        o.LoadLabel = UnitLabel[1][5];    // " (kN)"
        o.StressLabel = UnitLabel[1][4];  // " (kPa)"
    } else {
        o.LoadLabel = tons ? UnitLabel[0][6] : UnitLabel[0][5];
        o.StressLabel = psf ? UnitLabel[0][4] : UnitLabel[0][1];
    }
    // Metric results are in kN and kPa since the back conversion; English
    // results go to the chosen output units once.
    if (metric || o.ReportUnitsSet) {
        o.ReportUnitsSet = true;
        return;
    }
    o.ReportUnitsSet = true;
    if (tons) {
        auto toTons = [](double& value) { value /= 2000; };
        toTons(o.TributaryLoad);
        toTons(o.AMZCapacity);
        toTons(o.AMZCapacityActive);
        for (int g = 1; g <= 3; ++g) toTons(o.AbutmentLoad[g]);
        for (auto* table : {&o.AMZLoad, &o.LTRANSREM, &o.LTRANSBAR, &o.TotalLoad, &o.TotalLoadFull}) {
            for (auto& stage : *table) {
                for (double& value : stage) toTons(value);
            }
        }
        for (auto* table :
             {&o.SlabCornerLoad, &o.LFBAR, &o.RemnantLoad, &o.BarrierTributaryLoad, &o.BarrierFrontLoad,
              &o.BarrierSideLoad, &o.BarrierArchLoad, &o.BarrierTotalLoad}) {
            for (auto& stage : *table) {
                for (double& value : stage) toTons(value);
            }
        }
        for (int b = 1; b <= 2; ++b) {
            toTons(o.BarrierCapacity[b]);
            toTons(o.RemnantCapacity[b]);
            toTons(o.LeaveCapacity[b]);
            toTons(o.LeaveTributaryLoad[b]);
            toTons(o.LeaveExcessCapacity[b]);
        }
        for (int i = 1; i <= o.PillarCount; ++i) toTons(o.PillarCapacity[i]);
    }
    if (!psf) {
        for (int i = 1; i <= o.PillarCount; ++i) o.PillarStrength[i] /= 144;
        for (int b = 1; b <= 2; ++b) {
            o.BarrierStrength[b] /= 144;
            o.LeaveStrength[b] /= 144;
        }
    }
}

void OndarReportStabilityFactors(Workspace& ws) {
    OndarModelState& o = ws.Ondar;
    const OndarParams& in = ws.OndarWork;
    const int lc = o.LoadingCase;
    const bool metric = IsMetric(ws);
    const bool noActiveGob = in.ActiveGobExtent == 0;

    auto footnote = [&](int stage) -> std::string {
        const std::string loading =
            stage == 1 ? "*Development loading includes " : "*Retreat loading includes ";
        if (lc == 3) return loading + "one side gob." + CrLf;
        if (lc == 4) return loading + "two side gobs." + CrLf;
        return "";
    };

    std::string page = std::string("[Ondar STABILITY FACTORS - SINGLE SEAM CONDITIONS]") + CrLf + CrLf;
    for (int s = 1; s <= 2 && s <= lc; ++s) {
        if (s == 2 && noActiveGob) continue;
        page += PadDots(OndarStageLabel(s), 45) + FormatNumber(RoundForReport(o.OndarSF[s]), "##0.00") + CrLf;
        page += footnote(s);
    }
    page += std::string(CrLf) + "[Ondar STABILITY FACTORS - MULTI SEAM CONDITIONS]" + CrLf + CrLf;
    for (int s = 1; s <= 2 && s <= lc; ++s) {
        page +=
            PadDots(OndarStageLabel(s), 45) + FormatNumber(RoundForReport(o.OndarSFMS[s]), "##0.00") + CrLf;
        page += footnote(s);
    }
    page += std::string(CrLf) + CrLf;

    o.MinBarrierSF = 10000;
    if (lc > 2) {
        page += std::string("[BARRIER PILLAR STABILITY FACTORS]") + CrLf + CrLf;
        for (int s = 1; s <= 2; ++s) {
            if (s == 2 && noActiveGob) continue;
            page += std::string("[") + OndarStageLabel(s) + "]" + CrLf;
            for (int b = 1; b <= lc - 2; ++b) {
                page += PadDots(BarrierLabel(b), 45) + FormatNumber(o.BarrierSF[s][b], "##0.00") + CrLf;
                o.MinBarrierSF = std::min(o.MinBarrierSF, ToSingle(o.BarrierSF[s][b]));
            }
        }
        page += CrLf;
    }

    // Values of the warning rules, from the project's own values.
    const int pillars = std::clamp(static_cast<int>(in.NumberOfEntries) - 1, 1, OndarParams::MaxEntries - 1);
    const double toFeet = metric ? FeetPerMetre : 1.0;
    const double depthFt = in.DepthOfCover * toFeet;
    float centerSum = 0;
    for (int i = 1; i <= pillars; ++i) centerSum = ToSingle(centerSum + in.EntryCenters[i]);
    const float panelWidthFt = ToSingle(centerSum * toFeet);
    const double widthToHeight = ((centerSum - pillars * in.EntryWidth) / pillars) / in.EntryHeight;
    const float suggestedSF = RoundForReport(1.5 - (depthFt - 650) * 0.2 / 350);
    const float minBarrierSF = o.MinBarrierSF;
    const bool wideOrWeakBarrier = panelWidthFt > 425 || (lc >= 3 && minBarrierSF < 2);

    bool warn[15] = {};
    for (int s = 1; s <= 2; ++s) {
        const double sfms = o.OndarSFMS[s];
        const float rounded = RoundForReport(sfms);
        if (sfms < 1.5 && depthFt <= 650) warn[1] = true;
        if (sfms < 1.5 && depthFt > 650 && depthFt <= 1000 && (wideOrWeakBarrier || rounded < suggestedSF)) {
            warn[2] = true;
        }
        if (sfms < 1.5 && depthFt > 1000 && (rounded < 1.3f || wideOrWeakBarrier)) warn[3] = true;
        if (rounded < 2.0f && widthToHeight < 4.0) warn[5] = true;
    }
    warn[4] = depthFt > 650 && lc >= 3 && minBarrierSF < 1.5f;
    warn[6] = in.ActiveGobExtent > 0 && depthFt > 2000;
    warn[7] = in.ActiveGobExtent > 0 && depthFt > 1000;
    warn[8] = in.AMZAuto != 1;
    warn[9] = metric ? in.UnitWeight != 25.45 : RoundHalfEven(in.UnitWeight, 1) != 162;
    warn[10] = metric ? in.CoalStrength != 6.21 : std::floor(in.CoalStrength) != 900;
    warn[11] = lc == 4;
    warn[12] = (lc >= 2 && in.ActiveGobAbutmentAngle != 21) || (lc >= 3 && in.FirstGobAbutmentAngle != 21) ||
               (lc == 4 && in.SecondGobAbutmentAngle != 21);
    warn[13] = in.ArchFactorAuto != 1;
    warn[14] = in.ArchFactor < 1;

    if (std::any_of(std::begin(warn) + 1, std::end(warn), [](bool w) { return w; })) {
        page += std::string("[WARNINGS - MULTI SEAM CONDITIONS]") + CrLf + CrLf;
        for (int number = 1; number <= 14; ++number) {
            if (!warn[number]) continue;
            const std::string text =
                number == 2 ? DepthWarningText(ws, depthFt) : OndarWarningText(number, ws.Header.UnitSystem);
            page += WrapAt(text, 70) + CrLf;
        }
    }
    page += std::string(CrLf) + CrLf + CrLf;
    ws.OutBuf[2] = page;

    AddHistory(ws, "Ondar stability factors calculated");
    OndarSetReportUnits(ws);
}

void OndarReportAMZData(Workspace& ws) {
    const OndarModelState& o = ws.Ondar;
    const int lc = o.LoadingCase;
    const double lengthFactor = IsMetric(ws) ? FeetPerMetre : 1.0;
    const std::string& length = LengthSuffix(ws);
    const std::string lengthTrimmed = Trimmed(length);
    auto row = [](const std::string& label, const std::string& value) {
        return PadDots(label, 55) + value + CrLf;
    };

    std::string page = std::string("[DATA ABOUT THE ACTIVE MINING ZONE (AMZ)]") + CrLf + CrLf;
    page += row("AMZ Width", FormatNumber(o.AMZWidth / lengthFactor, "##0.0") + length);
    page += row("AMZ Breadth", FormatNumber(o.AMZBreadth / lengthFactor, "##0.0") + length);
    page += row("AMZ Area", FormatNumber(o.AMZArea / lengthFactor / lengthFactor, "##0.0") + length + "*" +
                                lengthTrimmed);
    page += row("Extraction Ratio within AMZ", FormatNumber(o.ExtractionRatio, "##0.00"));
    page += row("Tributary Area Load on AMZ", SciNumber(o.TributaryLoad) + o.LoadLabel);
    const std::string perLength = o.LoadLabel + "/" + lengthTrimmed;
    if (lc > 1) page += row("Front Abutment Load", FormatNumber(o.AbutmentLoad[1], "##0") + perLength);
    if (lc > 2) page += row("First Side Abutment Load", FormatNumber(o.AbutmentLoad[2], "##0") + perLength);
    if (lc > 3) page += row("Second Side Abutment Load", FormatNumber(o.AbutmentLoad[3], "##0") + perLength);
    page += CrLf;
    if (lc > 1) {
        page += row("R-FACTOR For Front Abutment", FormatNumber(o.FrontRFactor, "##0.000"));
        if (lc > 2) {
            page += row("R-FACTOR For First Side Abutment", FormatNumber(o.SideRFactor[1], "##0.000"));
            page += row("Effective Pressure Arch Factor for multi seam stress",
                        FormatNumber(o.EffectiveArchFactor, "##0.000"));
        }
        if (lc > 3)
            page += row("R-FACTOR For Second Side Abutment", FormatNumber(o.SideRFactor[2], "##0.000"));
    }
    page += CrLf;

    const double F = o.WorkingArchFactor;
    for (int s = 1; s <= 2; ++s) {
        if (s == 2 && lc == 1) break;
        const std::string stage = Upper(OndarStageLabel(s));
        page += stage + " LOADINGS ON AMZ" + o.LoadLabel + CrLf;
        page += row("Tributary Area*", SciNumber(F * o.TributaryLoad));
        if (s == 2 && lc > 1) page += row("Front abutment load*", SciNumber(F * o.AMZLoad[2][2]));
        if (lc > 2) {
            page += row("1st Side Abutment load*", SciNumber(F * o.AMZLoad[s][3]));
            if (s == 2) page += row("1st Side Barrier LTRANSREM*", SciNumber(F * o.LTRANSREM[2][3]));
            page += row("1st Side Barrier LTRANSBAR", SciNumber(o.LTRANSBAR[s][3]));
        }
        if (lc > 3) {
            page += row("2nd Side Abutment load*", SciNumber(F * o.AMZLoad[s][4]));
            if (s == 2) page += row("2nd Side Barrier LTRANSREM*", SciNumber(F * o.LTRANSREM[2][4]));
            page += row("2nd Side Barrier LTRANSBAR", SciNumber(o.LTRANSBAR[s][4]));
        }
        page += row("TOTAL " + stage, SciNumber(o.TotalLoad[s][lc]));
        page += std::string("*Adjusted by Pressure Arch Factor") + CrLf + CrLf;
    }

    page += CrLf;
    for (const char* note : {RowNote1, RowNote2, RowNote3, RowNote4}) page += WrapAt(note, 70);
    page += CrLf;
    ws.OutBuf[3] = page;
}

void OndarReportPillars(Workspace& ws) {
    const OndarModelState& o = ws.Ondar;
    const std::string& length = LengthSuffix(ws);
    const std::string lengthTrimmed = Trimmed(length);

    std::string page = std::string("[PILLAR PARAMETERS]") + CrLf + CrLf;
    page += std::string("PILLAR         ENTRY       MINIMUM       MAXIMUM") + CrLf;
    page += std::string("              CENTER     DIMENSION     DIMENSION") + CrLf;
    page += PadLeft(length, 20) + PadLeft(length, 14) + PadLeft(length, 14) + CrLf;
    for (int i = 1; i <= o.PillarCount; ++i) {
        page += PadLeft(std::to_string(i), 6) + PadLeft(FormatNumber(o.Centers[i], "##0.00"), 14) +
                PadLeft(FormatNumber(o.PillarWidth[i], "##0.00"), 14) +
                PadLeft(FormatNumber(o.PillarLength[i], "##0.00"), 14) + CrLf;
    }
    page += CrLf;
    page += std::string("PILLAR          AREA      STRENGTH  LOAD-BEARING") + CrLf;
    page += std::string("                                        CAPACITY") + CrLf;
    page += PadLeft(lengthTrimmed + "*" + lengthTrimmed, 20) + PadLeft(o.StressLabel, 14) +
            PadLeft(o.LoadLabel, 14) + CrLf;
    for (int i = 1; i <= o.PillarCount; ++i) {
        page += PadLeft(std::to_string(i), 6) + PadLeft(SciNumber(o.PillarArea[i]), 14) +
                PadLeft(FormatNumber(o.PillarStrength[i], "##0.00"), 14) +
                PadLeft(SciNumber(o.PillarCapacity[i]), 14) + CrLf;
    }
    page += CrLf;
    page +=
        "TOTAL LOAD-BEARING CAPACITY OF PILLARS WITHIN AMZ: " + SciNumber(o.AMZCapacity) + o.LoadLabel + CrLf;
    if (ws.Options.OndarPrintPlotReminder != 0) {
        page += CrLf;
        page += std::string("To view the distribution of Pillar Load Bearing Capacity") + CrLf;
        page += std::string("select 'View Plots->Settings->Pillar Load Bearing Capacity'") + CrLf;
    }
    page += CrLf;
    ws.OutBuf[4] = page;
}

void OndarReportBarriers(Workspace& ws) {
    const OndarModelState& o = ws.Ondar;
    const int lc = o.LoadingCase;
    std::string page = std::string("[BARRIER PILLAR PARAMETERS]") + CrLf + CrLf;
    if (lc <= 2) {
        ws.OutBuf[5] = page + "***none***" + CrLf + CrLf + CrLf;
        return;
    }
    const int sides = lc - 2;
    page += std::string("BARRIER       WIDTH       STRENGTH      LOAD-BEARING") + CrLf;
    page += " PILLAR" + PadLeft(LengthSuffix(ws), 12) + PadLeft(o.StressLabel, 15) +
            PadLeft("CAPACITY" + o.LoadLabel, 18) + CrLf;
    for (int b = 1; b <= sides; ++b) {
        page += SideName(b) + PadLeft(FormatNumber(o.BarrierWidth[b], "0.00"), 12) +
                PadLeft(FormatNumber(o.BarrierStrength[b], "##0.00"), 15) +
                PadLeft(SciNumber(o.BarrierCapacity[b]), 18) + LeaveMark(ws, b) + CrLf;
    }
    page += LeaveFootnotes(ws, sides);

    for (int s = 1; s <= 2; ++s) {
        page += CrLf;
        page += std::string("[BARRIER PILLAR LOADS - ") + OndarStageLabel(s) + "]" + CrLf;
        page += PadRight("LOAD" + o.LoadLabel, 15) + PadLeft("1st BARRIER", 21);
        if (lc == 4) page += PadLeft("2nd BARRIER", 16);
        page += CrLf;
        auto row = [&](const std::string& label, auto value, const char* pattern) {
            std::string line = PadRight(label, 20);
            for (int b = 1; b <= sides; ++b) line += PadLeft(FormatNumber(value(b), pattern), 16);
            return line + CrLf;
        };
        page += row(
            "Tributary Area", [&](int b) { return o.BarrierTributaryLoad[s][b]; }, "#.00E+00");
        if (s == 2) {
            page += row(
                "Front Abutment", [&](int b) { return o.SlabCornerLoad[s][b] + o.BarrierFrontLoad[s][b]; },
                "#.00E+00");
        }
        page += row(
            "Side Abutment", [&](int b) { return o.BarrierSideLoad[s][b]; }, "#.00E+00");
        page += row(
            "Pressure Arch", [&](int b) { return o.BarrierArchLoad[s][b]; }, "#.00E+00");
        page += row(
            "TOTAL", [&](int b) { return o.BarrierTotalLoad[s][b]; }, "#.00E+00");
        if (lc == 4) page += CrLf;
        page += row(
            "Stability Factor", [&](int b) { return o.BarrierSF[s][b]; }, "#0.00");
        page += row(
            "LTRANSBAR", [&](int b) { return o.LTRANSBAR[s][b + 2]; }, "#.00E+00");
    }
    ws.OutBuf[5] = page;
}

void OndarReportRemnantsAndLeave(Workspace& ws) {
    const OndarModelState& o = ws.Ondar;
    const int lc = o.LoadingCase;
    std::string page = std::string("[REMNANT PILLAR AND LEAVE PILLAR PARAMETERS]") + CrLf + CrLf;
    if (lc <= 2) {
        ws.OutBuf[6] = page + "***none***" + CrLf + CrLf + CrLf;
        return;
    }
    const int sides = lc - 2;
    const std::string& length = LengthSuffix(ws);
    page += std::string("[REMNANT BARRIER PILLARS BETWEEN GOBS - DATA]") + CrLf;
    page += std::string("REMNANT       WIDTH      LENGTH        LOAD BEARING") + CrLf;
    page +=
        " PILLAR" + PadLeft(length, 12) + PadLeft(length, 12) + PadLeft("CAPACITY" + o.LoadLabel, 20) + CrLf;
    for (int b = 1; b <= sides; ++b) {
        page += SideName(b) + PadLeft(FormatNumber(o.RemnantWidth[b], "###0.0"), 12) +
                PadLeft(FormatNumber(o.RemnantLength, "#0.00"), 12) +
                PadLeft(SciNumber(o.RemnantCapacity[b]), 20) + LeaveMark(ws, b) + CrLf;
    }
    page += LeaveFootnotes(ws, sides);

    page += CrLf;
    page += std::string("REMNANT    TOTAL LOAD     STABILITY       LFBAR   LTRANSREM") + CrLf;
    page += " PILLAR" + PadLeft(o.LoadLabel, 14) + PadLeft("FACTOR", 14) + PadLeft(o.LoadLabel, 12) +
            PadLeft(o.LoadLabel, 12) + CrLf;
    for (int b = 1; b <= sides; ++b) {
        page += SideName(b) + PadLeft(SciNumber(o.RemnantLoad[2][b]), 14) +
                PadLeft(FormatNumber(o.RemnantSF[b], "#0.00"), 14) + PadLeft(SciNumber(o.LFBAR[2][b]), 12) +
                PadLeft(SciNumber(o.LTRANSREM[2][b + 2]), 12) + CrLf;
    }
    page += CrLf;

    // Leave rows C and D stand beside the first and second side gob. The
    // table is headed whenever either row is left; it lists the rows of the
    // sides this loading condition has.
    const bool rowLeft[3] = {false, ws.OndarWork.LeaveRowC == 1, ws.OndarWork.LeaveRowD == 1};
    if (rowLeft[1] || rowLeft[2]) {
        page += std::string("[LEAVE PILLAR PARAMETERS]") + CrLf;
        page += std::string(" PILLAR  STRENGTH    LOAD BEARING   TRIBUTARY      EXCESS") + CrLf;
        page += std::string("    ROW                  CAPACITY        AREA        LOAD") + CrLf;
        page += std::string(7, ' ') + PadLeft(o.StressLabel, 10) + PadLeft(o.LoadLabel, 16) +
                PadLeft(o.LoadLabel, 12) + PadLeft(o.LoadLabel, 12) + CrLf;
        for (int b = 1; b <= sides; ++b) {
            if (!rowLeft[b]) continue;
            page += std::string(6, ' ') + (b == 1 ? "C" : "D") +
                    PadLeft(FormatNumber(o.LeaveStrength[b], "###0.0"), 10) +
                    PadLeft(SciNumber(o.LeaveCapacity[b]), 16) +
                    PadLeft(SciNumber(o.LeaveTributaryLoad[b]), 12) +
                    PadLeft(SciNumber(o.LeaveExcessCapacity[b]), 12) + "*" + CrLf;
        }
        page += std::string("*Adjusted for effective length of the remnant barrier.") + CrLf;
    }
    ws.OutBuf[6] = page;
}

void OndarWriteReport(Workspace& ws) {
    OndarReportStabilityFactors(ws);
    OndarReportAMZData(ws);
    OndarReportPillars(ws);
    OndarReportBarriers(ws);
    OndarReportRemnantsAndLeave(ws);
}

}  // namespace vesk
