#include "interaction/interaction_statistics.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {

namespace {

// The description of the run-time error a logarithm of a non-positive number
// raises; the driver's error handler shows it.
constexpr const char* InvalidArgument = "Invalid procedure call or argument";
constexpr const char* DivisionByZero = "Division by zero";

constexpr const char* GreenText = ": GREEN:  A major interaction is unlikely.";
constexpr const char* YellowText =
    ": YELLOW:  A major interaction should be considered likely unless a pattern of supplemental roof "
    "support "
    "(cable bolts or equivalent) is installed.  Rib instability is also likely. ";
constexpr const char* RedText =
    ": RED: A major interaction should be considered likely even if a pattern of supplemental roof support "
    "is "
    "installed.  It may be desirable to avoid the area entirely.";
constexpr const char* ReduceLikelihoodText =
    "In addition to installing a pattern of roof support, the likelihood of a major interaction may be "
    "reduced by "
    "increasing the pillar size by changing the entry spacing, the crosscut spacing, and/or the pillar "
    "width. ";
constexpr const char* InadequateDesignText =
    "The pillar design may be inadequate to prevent a major multiple seam interaction. Consider increasing "
    "the "
    "pillar size by changing the entry spacing, the crosscut spacing, and/or the pillar width.";

bool IsLongwall(const InteractionInputs& in) {
    return in.ActiveMiningMode == 0;
}

// Whether the report shows the second case in full (stability factor,
// comparison, yellow and red lines, its block of critical values).
bool HasSecondCase(const InteractionInputs& in) {
    return IsLongwall(in) || in.LoadingCase >= 2;
}

int StageCount(const InteractionInputs& in) {
    return std::clamp<int>(in.LoadingCase, 1, 2);
}

double LogOfPositive(double x) {
    if (!(x > 0)) throw std::runtime_error(InvalidArgument);
    return std::log(x);
}

// Number text of page 1: stresses and interburdens in the report's units.
// The values are singles and print as singles in feet and psi; the metric
// values are their double quotients.
class ReportUnits {
public:
    explicit ReportUnits(int16_t unitSystem) : metric_(unitSystem == Metric) {}
    bool metric() const { return metric_; }
    std::string stress(float psi) const {
        return metric_ ? FormatNumber(psi / PsiPerMPa, "##0.00") + UnitLabel[1][1]
                       : FormatNumber(psi, "##0") + UnitLabel[0][1];
    }
    std::string interburden(float feet) const {
        return metric_ ? FormatNumber(feet / FeetPerMetre, "##0.0") + UnitLabel[1][0]
                       : FormatNumber(feet, "##0") + UnitLabel[0][0];
    }

private:
    bool metric_;
};

// The warnings of page 1 whose conditions hold, each a list of lines.
std::vector<std::vector<std::string>> Warnings(const InteractionInputs& in) {
    const bool metric = in.ReportUnitSystem == Metric;
    const double interburden = in.Interburden;
    const std::string fewCases = "The Pavex multiple seam data base contains few cases where the ";
    std::vector<std::vector<std::string>> out;
    if (in.PreviousMining == 1 && in.RemnantWidth > 5 * std::sqrt(std::max(in.Depth, 0.0))) {
        out.push_back({metric ? "The width of the remnant pillar is greater than 2.77*SQRT(H).  "
                              : "The width of the remnant pillar is greater than 5*SQRT(H).  ",
                       "Consider conducting analysis as gob-solid boundary."});
    }
    if (in.Depth > 1500) {
        out.push_back(
            {fewCases, metric ? "depth of cover exceeds 450 m.  The Vesk predictions may not be valid."
                              : "depth of cover exceeds 1500 ft.  The Vesk predictions may not be valid."});
    }
    if (in.SecondTotalStress > 5000) {
        out.push_back(
            {"The Pavex multiple seam data base contains few cases where the total ",
             metric ? "vertical stress is greater than 34.4 MPa.  The Vesk predictions may not be valid."
                    : "vertical stress is greater than 5000 psi.  The Vesk predictions may not be valid."});
    }
    if (interburden < 50 && in.VerticalPosition == 0) {
        out.push_back(
            {fewCases,
             metric ? "interburden thickness is less than 15 m. The Vesk predictions may not be valid."
                    : "interburden thickness is less than 50 ft. The Vesk predictions may not be valid."});
    }
    if (interburden < 30 && in.VerticalPosition == 1) {
        out.push_back(
            {fewCases,
             metric ? "interburden thickness is less than 10 m. The Vesk predictions may not be valid."
                    : "interburden thickness is less than 30 ft. The Vesk predictions may not be valid."});
    }
    if (interburden < 30) {
        out.push_back({metric ? "When the interburden is less than 10 m, an ultra-close interaction "
                              : "When the interburden is less than 30 ft, an ultra-close interaction ",
                       "is possible.  Consider stacking the pillars."});
    }
    if (10 * in.LowerSeamHeight > interburden) {
        out.push_back({"When the interburden thickness is less than 10 times the lower seam height, ",
                       "the upper seam may be in the fracture zone of subsidence.  ",
                       "Special precautions may be necessary."});
    }
    if (in.AgeOfWorkings < 5) {
        out.push_back({"The Pavex multiple seam data base contains few cases where less than ",
                       "5 years had elapsed time since mining was completed in the lower seam.  ",
                       "If subsidence is not complete, a 'dynamic' interaction may occur."});
    }
    const std::string fewCmrr = "The Pavex multiple seam data base contains few cases where the CMRR ";
    if (in.CMRR < 45) out.push_back({fewCmrr, "is less than 45.  The Vesk predictions may not be valid."});
    if (in.CMRR > 75) out.push_back({fewCmrr, "is greater than 75.  The Vesk predictions may not be valid."});
    return out;
}

// A stability factor as page 1 prints it: the longwall factors are singles
// and print as such (as on the longwall's own page), the retreat ones doubles.
std::string FactorText(const InteractionInputs& in, double factor, std::string_view pattern) {
    if (in.ActiveMiningMode == 0) return FormatNumber(static_cast<float>(factor), pattern);
    return FormatNumber(factor, pattern);
}

// One comparison line of a multiple-seam factor with the suggested value;
// an equal value gives no line. Returns true for a "less than" line.
bool CompareWithSuggested(std::string& page, const InteractionInputs& in, double factor, double suggested,
                          const std::string& exceedsText, const std::string& lessText) {
    const std::string value = FactorText(in, suggested, "0.00");
    if (factor > suggested) page += exceedsText + value + CrLf;
    if (factor < suggested) {
        page += lessText + value + CrLf;
        return true;
    }
    return false;
}

void CriticalValuesBlock(std::string& page, const ReportUnits& units, const std::string& label,
                         const std::array<float, 3>& interburden, const std::array<float, 3>& stress) {
    for (int e = 1; e <= 2; ++e) {
        if (e == 2)
            page += std::string("If a pattern of supplemental roof support is installed, then:") + CrLf;
        page += PadDots(label, 50) + units.interburden(interburden[e]) + CrLf;
        page += PadDots("  Allowable Total Vertical Stress", 50) + units.stress(stress[e]) + CrLf;
    }
    page += CrLf;
}

}  // namespace

std::string_view VerdictWord(InteractionVerdict verdict) {
    switch (verdict) {
        case InteractionVerdict::Green: return "GREEN";
        case InteractionVerdict::Yellow: return "YELLOW";
        case InteractionVerdict::Red: return "RED";
        default: return "";
    }
}

InterburdenEstimate EstimateCriticalInterburden(const InteractionInputs& in, float totalStress,
                                                bool supplementalSupport) {
    const double lc = LogOfPositive(static_cast<double>(in.CMRR) - 20);
    const double li = LogOfPositive(in.Interburden);
    const double s = totalStress / 1000.0;
    const double vp = in.VerticalPosition;
    const double pm = in.PreviousMining;
    const double e = supplementalSupport ? 1 : 0;

    const float ciLinear = static_cast<float>(35 * s - 77 * vp - 87 * e + 77 * pm - 83 * lc + 359);
    const float ciExponential =
        static_cast<float>(std::exp(0.35 * s - 0.74 * vp - 0.99 * e + 0.74 * pm - 0.91 * lc + 7.23));
    const float stressLinear = static_cast<float>(
        1000 * (0.0288 * in.Interburden + 2.21 * vp - 2.22 * pm + 2.41 * lc + 2.49 * e - 10.39));
    const float stressExponential =
        static_cast<float>(1000 * (2.11 * vp + 2.85 * li - 2.1 * pm + 2.59 * lc + 2.83 * e - 20.58));

    if (ciLinear >= 60 || ciLinear >= ciExponential) return {ciLinear, stressLinear, false};
    return {ciExponential, stressExponential, true};
}

InteractionVerdict PredictedLines::verdict() const {
    // Should the relations ever print two lines for one case, the graver one
    // stands.
    if (Red) return InteractionVerdict::Red;
    if (Yellow) return InteractionVerdict::Yellow;
    if (Green) return InteractionVerdict::Green;
    return InteractionVerdict::None;
}

PredictedLines PredictConditions(float ci1, float ci2, float interburden, bool fullCase) {
    PredictedLines lines;
    lines.Green = ci1 < interburden;
    if (fullCase) {
        lines.Yellow = ci2 < interburden && interburden <= ci1;
        lines.Red = interburden <= ci2;
    }
    return lines;
}

double SuggestedRetreatSF(const InteractionInputs& in) {
    const double depth = in.Depth;
    const double panel = in.EntryCentersSum;
    const double barrier = in.LoadingCase <= 2 ? 10000.0 : in.MinBarrierSF;
    if (depth > 1000 && panel < 425 && barrier > 2) return 1.3;
    if (depth > 650 && depth <= 1000 && panel < 425 && barrier > 2) return 1.5 - (depth - 650) / 350 * 0.2;
    return 1.5;
}

float SuggestedTailgateSF(float cmrr) {
    return static_cast<float>(1.76 - cmrr / 100.0 * 1.4);
}

StressSummary LongwallStressSummary(float devStress, float devTotalStress, float devSFMS,
                                    float tailgateSFMS) {
    if (tailgateSFMS == 0) throw std::runtime_error(DivisionByZero);
    StressSummary summary;
    summary.DevStress = devStress;
    summary.RetreatStressIncrease =
        static_cast<float>((static_cast<double>(devSFMS) - tailgateSFMS) * devStress / tailgateSFMS);
    summary.RetreatTotalStress = summary.RetreatStressIncrease + devTotalStress;
    summary.DevTotalStress = devTotalStress;
    return summary;
}

InteractionResults ComputeInteraction(const InteractionInputs& in) {
    InteractionResults r;
    for (int e = 1; e <= 2; ++e) {
        const InterburdenEstimate dev = EstimateCriticalInterburden(in, in.DevTotalStress, e == 2);
        r.CriticalInterburdenDev[e] = dev.CriticalInterburden;
        r.AllowableStressDev[e] = dev.AllowableStress;
        const InterburdenEstimate second = EstimateCriticalInterburden(in, in.SecondTotalStress, e == 2);
        r.CriticalInterburdenRet[e] = second.CriticalInterburden;
        r.AllowableStressRet[e] = second.AllowableStress;
    }

    if (IsLongwall(in)) {
        r.SuggestedSFTailgate = SuggestedTailgateSF(in.CMRR);
        r.SecondCaseName = "Tailgate";
    } else {
        r.SuggestedSFRet = SuggestedRetreatSF(in);
        r.SecondCaseName = "Retreat";
        r.MinOndarSFMS = 999;
        if (in.DevSFMS < r.MinOndarSFMS) r.MinOndarSFMS = in.DevSFMS;
        if (StageCount(in) == 2 && in.SecondSFMS < r.MinOndarSFMS) r.MinOndarSFMS = in.SecondSFMS;
    }

    r.DevelopmentVerdict =
        PredictConditions(r.CriticalInterburdenDev[1], r.CriticalInterburdenDev[2], in.Interburden, true)
            .verdict();
    r.SecondCaseVerdict = PredictConditions(r.CriticalInterburdenRet[1], r.CriticalInterburdenRet[2],
                                            in.Interburden, HasSecondCase(in))
                              .verdict();
    return r;
}

std::string InteractionReport(const InteractionInputs& in, const InteractionResults& r) {
    const bool longwall = IsLongwall(in);
    const bool secondCase = HasSecondCase(in);
    const ReportUnits units(in.ReportUnitSystem);
    std::string page;

    page += std::string("[Vesk Output]") + CrLf + CrLf + "[MULTIPLE SEAM PILLAR STABILITY FACTORS]" + CrLf;

    // Multiple-seam stability factors and their comparison with the
    // suggested values.
    bool anyLess = false;
    if (longwall) {
        page += PadDots("Development Stability Factor", 50) + FactorText(in, in.DevSFMS, "##0.00") + CrLf;
        page += PadDots("TAILGATE Loading", 50) + FactorText(in, in.SecondSFMS, "##0.00") + CrLf + CrLf;
        anyLess = CompareWithSuggested(page, in, in.SecondSFMS, r.SuggestedSFTailgate,
                                       "Tailgate pillar SF exceeds suggested value of ",
                                       "Tailgate pillar SF is less than the suggested value of ");
    } else {
        page += PadDots("Development", 45) + FormatNumber(in.DevSFMS, "##0.00") + CrLf;
        if (StageCount(in) == 2)
            page += PadDots("Retreat", 45) + FormatNumber(in.SecondSFMS, "##0.00") + CrLf;
        page += CrLf;
        anyLess = CompareWithSuggested(page, in, in.DevSFMS, r.SuggestedSFRet,
                                       "Development pillar SF exceeds the suggested value of ",
                                       "Development pillar SF is less than the suggested value of ");
        if (StageCount(in) == 2) {
            anyLess |= CompareWithSuggested(page, in, in.SecondSFMS, r.SuggestedSFRet,
                                            "Retreat pillar SF exceeds the suggested value of ",
                                            "Retreat pillar SF is less than the suggested value of ");
        }
    }
    if (anyLess) page += WrapAt(InadequateDesignText, 70) + CrLf;

    // Predicted conditions.
    page += std::string(CrLf) + "[PREDICTED CONDITIONS]" + CrLf;
    const std::string& second = r.SecondCaseName;
    const PredictedLines dev =
        PredictConditions(r.CriticalInterburdenDev[1], r.CriticalInterburdenDev[2], in.Interburden, true);
    const PredictedLines ret = PredictConditions(r.CriticalInterburdenRet[1], r.CriticalInterburdenRet[2],
                                                 in.Interburden, secondCase);
    if (dev.Green) page += std::string("Development") + GreenText + CrLf + CrLf;
    if (ret.Green) page += second + GreenText + CrLf + CrLf;
    if (dev.Yellow) page += WrapAt(std::string("Development") + YellowText, 60) + CrLf;
    if (ret.Yellow) page += WrapAt(second + YellowText, 60) + CrLf;
    if (dev.Red) page += WrapAt(std::string("Development") + RedText, 60) + CrLf;
    if (ret.Red) {
        page += WrapAt(second + RedText, 60) + CrLf;
        if (!longwall) page += CrLf;
    }
    if (dev.Yellow || dev.Red || ret.Yellow || ret.Red) page += WrapAt(ReduceLikelihoodText, 60) + CrLf;

    // Warnings where the project lies outside the experience behind the
    // relations.
    page += std::string(CrLf) + "[WARNING MESSAGES]" + CrLf;
    for (const std::vector<std::string>& warning : Warnings(in)) {
        for (const std::string& line : warning) page += line + CrLf;
        page += CrLf;
    }

    // Stresses of the run.
    page += std::string(CrLf) + "[CALCULATED STRESSES]" + CrLf;
    auto stressLine = [&](const char* label, float psi) {
        page += PadDots(label, 50) + units.stress(psi) + CrLf;
    };
    stressLine("Single seam development stress", in.DevStress);
    stressLine("Multiple seam stress", in.MultiSeamStress);
    if (!longwall) stressLine("Development abutment stress", in.DevAbutmentStress);
    stressLine("Total vertical stress (Development)", in.DevTotalStress);
    if (longwall) {
        stressLine("Tailgate abutment stress", in.RetreatStressIncrease);
        stressLine("Total vertical stress (Tailgate Loading)", in.RetreatTotalStress);
    } else if (secondCase) {
        stressLine("Retreat abutment stress", in.RetreatStressIncrease);
        stressLine("Total vertical stress (Retreat)", in.RetreatTotalStress);
    }
    page += CrLf;

    // Critical interburden and allowable stress, without and with support.
    page += std::string("[SUGGESTED CRITICAL INTERBURDEN AND STRESS]") + CrLf;
    CriticalValuesBlock(page, units, "  Critical Interburden for Development", r.CriticalInterburdenDev,
                        r.AllowableStressDev);
    if (secondCase) {
        CriticalValuesBlock(
            page, units,
            longwall ? "  Critical Interburden for Tailgate Loading" : "  Critical Interburden for Retreat",
            r.CriticalInterburdenRet, r.AllowableStressRet);
    }
    page += std::string(CrLf) + CrLf + CrLf;
    return page;
}

void InteractionStatistics(Workspace& ws) {
    InteractionInputs in = GatherInteractionInputs(ws);
    InteractionResults results = ComputeInteraction(in);
    const bool report = ws.Run.QuietRun != -1;
    const bool longwall = IsLongwall(in);

    StressSummary summary = ws.Stress;
    std::string page;
    if (report) {
        if (longwall) {
            summary = LongwallStressSummary(in.DevStress, in.DevTotalStress, static_cast<float>(in.DevSFMS),
                                            static_cast<float>(in.SecondSFMS));
            in.RetreatStressIncrease = summary.RetreatStressIncrease;
            in.RetreatTotalStress = summary.RetreatTotalStress;
        }
        results.HasRetreatChart = HasSecondCase(in) ? -1 : 0;
        page = InteractionReport(in, results);
    } else {
        results.HasRetreatChart = ws.Interaction.HasRetreatChart;
    }
    // A longwall run leaves the retreat method's figure as it was.
    if (longwall) results.MinOndarSFMS = ws.Interaction.MinOndarSFMS;

    // Nothing above changed the workspace, so a failing evaluation leaves the
    // previous results in place.
    ws.Interaction = std::move(results);
    if (report) {
        ws.Stress = summary;
        ws.OutBuf[1] = std::move(page);
    }
}

}  // namespace vesk
