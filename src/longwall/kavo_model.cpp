#include "longwall/kavo_model.h"

#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/workspace.h"

namespace vesk {
namespace {

// Longwall values are single precision. A sub-expression that mixes in a
// double constant (0.64, 0.5, tan, sqrt, powers) is evaluated in double and
// rounded once when it is stored; expressions of single values alone stay in
// single precision, operation by operation.
float ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX)) {
        throw std::runtime_error("Overflow");
    }
    return static_cast<float>(value);
}

// A stored single result of single arithmetic: infinities and NaNs come only
// from an overflow on the way.
float Checked(float value) {
    if (!std::isfinite(value)) throw std::runtime_error("Overflow");
    return value;
}

void RequireDivisor(double divisor) {
    if (divisor == 0) throw std::runtime_error("Division by zero");
}

constexpr double RadiansPerDegree = 0.017453292519943278;

// Entry counts the arrays hold: 2..6 entries, 1..5 pillars.
bool EntryCountValid(int entries) {
    return entries >= 2 && entries <= KavoParams::MaxEntries;
}

}  // namespace

bool KavoLoadModelInputs(Workspace& ws) {
    const KavoParams& in = ws.KavoWork;
    KavoModelState& k = ws.Kavo;

    k.EntryCount = in.NumberOfEntries;
    k.PillarCount = static_cast<int16_t>(in.NumberOfEntries - 1);
    k.beta = in.AbutmentAngle;
    k.h = in.EntryHeight;
    k.H = in.DepthOfCover;
    k.PW = in.PanelWidth;
    k.We = in.EntryWidth;
    k.S = in.CrosscutSpacing;
    k.gamma = in.UnitWeight;
    k.S1 = Checked(in.CoalStrength * 144.0f);
    // A count outside the arrays is refused by the check below; copy only the
    // pillars that exist.
    for (int i = 1; i <= k.PillarCount && i <= KavoParams::MaxEntries - 1; ++i) k.c[i] = in.EntryCenters[i];

    // Sizing factors for headgate, bleeder and tailgate: suggested by the roof
    // rating, or the user's own.
    if (in.UseCMRRFactors == 1) {
        const float classicFactor = ToSingle(1.76 - 0.014 * in.CMRR);
        const float rFactor = ToSingle(2 - 0.016 * in.CMRR);
        k.SizingSF = {0, classicFactor, classicFactor, classicFactor};
        k.SizingSFR = {0, rFactor, rFactor, rFactor};
    } else {
        k.SizingSF = {0, in.SFHeadgate, in.SFBleeder, in.SFTailgate};
        k.SizingSFR = k.SizingSF;
    }
    return KavoCheckInputs(ws);
}

bool KavoCheckInputs(Workspace& ws) {
    const KavoParams& in = ws.KavoWork;
    auto fail = [&ws](const std::string& message) {
        ShowMessage(ws, message);
        return false;
    };

    // With fewer than two entries there is no pillar to rate, and the arrays
    // hold at most six entries.
    if (!EntryCountValid(in.NumberOfEntries)) return fail("Invalid number of entries");
    const int pillars = in.NumberOfEntries - 1;

    if (!(in.EntryHeight > 0)) return fail("Invalid entry height");
    if (!(in.DepthOfCover > 0)) return fail("Invalid depth of cover");
    if (!(in.PanelWidth > 0)) return fail("Invalid panel width");
    if (!(in.EntryWidth > 0)) return fail("Invalid entry width");
    // Spacings must leave coal between the openings: a pillar of no width or
    // a negative width has no meaning and would divide by zero.
    if (!(in.CrosscutSpacing > in.EntryWidth)) return fail("Invalid crosscut spacing");
    if (!(in.CoalStrength > 0)) return fail("Invalid coal strength");
    if (!(in.UnitWeight > 0)) return fail("Invalid unit weight");
    for (int i = 1; i <= pillars; ++i) {
        if (!(in.EntryCenters[i] > in.EntryWidth)) {
            return fail("Invalid center-to-center distance #" + std::to_string(i));
        }
    }
    for (int j = 1; j <= 3; ++j) {
        if (!(ws.Kavo.SizingSF[j] > 0)) return fail("Invalid Stability factor for pillar sizing");
    }

    // The advanced geometry is only validated (the computation uses one
    // crosscut spacing at right angles); every faulty pillar is reported.
    bool valid = true;
    if (in.AdvancedGeometry == 1) {
        for (int i = 1; i <= pillars; ++i) {
            if (!(in.PillarCrosscutSpacing[i] > 0)) {
                ShowMessage(ws, "Invalid advanced geometry xcut spacing #" + std::to_string(i));
                valid = false;
            }
            if (!(in.PillarCrosscutAngle[i] > 45)) {
                ShowMessage(ws, "Invalid advanced geometry xcut angles #" + std::to_string(i));
                valid = false;
            }
        }
    }
    return valid;
}

void KavoCalculate(Workspace& ws, int16_t progressFlag) {
    KavoModelState& k = ws.Kavo;
    if (!EntryCountValid(k.EntryCount)) throw std::runtime_error("Subscript out of range");

    KavoPillarDimensions(ws);
    k.ClassicPass = true;
    KavoCapacitiesAndFactors(ws, 1, progressFlag);
    k.ClassicPass = false;
    KavoCapacitiesAndFactors(ws, 1, progressFlag);

    // The multiple-seam load that the report adds to the single-seam loads.
    RequireDivisor(k.S);
    k.msLoad = Checked(ws.Run.avgMultiSeamStress * k.PillarWidth[1] * k.PillarLength[1] * 144.0f / k.S);
}

void KavoPillarDimensions(Workspace& ws) {
    KavoModelState& k = ws.Kavo;
    // Pillars beyond this run's count keep no values of an earlier run.
    for (auto* column :
         {&k.AcrossDimension, &k.AlongDimension, &k.PillarWidth, &k.PillarLength, &k.WidthHeightRatio,
          &k.StrengthClassic, &k.StrengthR, &k.CapacityClassic, &k.CapacityR}) {
        column->fill(0);
    }

    RequireDivisor(k.h);
    k.SystemWidth = 0;
    for (int i = 1; i <= k.PillarCount; ++i) {
        k.AcrossDimension[i] = Checked(k.c[i] - k.We);
        k.AlongDimension[i] = Checked(k.S - k.We);
        // The width is the smaller plan dimension; a square pillar keeps the
        // across-panel value as its width.
        k.PillarWidth[i] = k.AcrossDimension[i];
        if (k.AlongDimension[i] < k.PillarWidth[i]) {
            k.PillarWidth[i] = k.AlongDimension[i];
            k.AlongDimension[i] = k.AcrossDimension[i];
        }
        k.PillarLength[i] = k.AlongDimension[i];
        k.WidthHeightRatio[i] = Checked(k.PillarWidth[i] / k.h);
        k.SystemWidth = Checked(k.SystemWidth + k.c[i]);
    }
}

void KavoCapacitiesAndFactors(Workspace& ws, int16_t mode, int16_t progressFlag) {
    (void)mode;  // only the standard geometry exists
    KavoModelState& k = ws.Kavo;
    const bool classic = k.ClassicPass;
    const float m = ws.Run.avgMultiSeamStress;

    // Strength and capacity of every pillar, per ft of gate entry.
    RequireDivisor(k.h);
    RequireDivisor(k.S);
    if (classic) {
        k.TotalCapacityClassic = 0;
    } else {
        k.TotalCapacityR = 0;
    }
    for (int i = 1; i <= k.PillarCount; ++i) {
        const float w = k.PillarWidth[i];
        const float L = k.PillarLength[i];
        k.StrengthClassic[i] = ToSingle(k.S1 * (0.64 + 0.36 * w / k.h));
        k.CapacityClassic[i] = Checked(w * k.StrengthClassic[i] * L / k.S);
        if (w == 0 || L == 0) {
            k.StrengthR[i] = 0;
        } else {
            const float hL = Checked(k.h * L);
            k.StrengthR[i] = ToSingle(k.S1 * (0.64 + 0.54 * w / k.h - 0.18 * std::pow(double{w}, 2) / hL));
        }
        k.CapacityR[i] = Checked(k.StrengthR[i] * w * L / k.S);
        if (classic) {
            k.TotalCapacityClassic = Checked(k.TotalCapacityClassic + k.CapacityClassic[i]);
        } else {
            k.TotalCapacityR = Checked(k.TotalCapacityR + k.CapacityR[i]);
        }
    }

    // Loads on the pillar system, per ft of gate entry.
    k.DevelopmentLoad = Checked(k.SystemWidth * k.H * k.gamma);
    const double tanBeta = std::tan(k.beta * RadiansPerDegree);
    const float halfPanel = k.PW / 2;
    const float abutmentReach = ToSingle(k.H * tanBeta);
    if (halfPanel > abutmentReach) {
        k.SideAbutmentLoad = ToSingle(std::pow(double{k.H}, 2) * tanBeta * k.gamma / 2);
    } else {
        // The panel is too narrow for the full abutment to develop.
        RequireDivisor(8 * tanBeta);
        const float headByHalfPanel = Checked(k.H * k.PW / 2);
        k.SideAbutmentLoad =
            ToSingle((headByHalfPanel - std::pow(double{k.PW}, 2) / (8 * tanBeta)) * k.gamma);
    }
    k.AbutmentExtent = ToSingle(9.3 * std::sqrt(double{k.H}));
    RequireDivisor(k.AbutmentExtent);
    const float reachRatio = Checked((k.AbutmentExtent - k.SystemWidth) / k.AbutmentExtent);
    k.AbutmentFraction = ToSingle(1 - std::pow(double{reachRatio}, 3));
    if (k.AbutmentFraction > 1) k.AbutmentFraction = 1;

    const float dev = k.DevelopmentLoad;
    const float side = k.SideAbutmentLoad;
    k.KavoLoads[1] = dev;
    k.KavoLoads[2] = ToSingle(dev + 0.5 * k.AbutmentFraction * side);
    k.KavoLoads[3] = Checked(dev + k.AbutmentFraction * side);
    k.KavoLoads[4] = ToSingle(Checked(side + dev) + 0.7 * side);  // the tailgate carries no share R
    k.KavoLoads[5] = Checked(dev + 2 * side);

    // Stability factors. The average pillar stress spreads the load over the
    // mean pillar width and the first pillar's length.
    float widthSum = 0;
    for (int i = 1; i <= k.PillarCount; ++i) widthSum = Checked(widthSum + k.PillarWidth[i]);
    RequireDivisor(k.PillarCount);
    const float B = widthSum / static_cast<float>(k.PillarCount);
    const float L1 = k.PillarLength[1];
    RequireDivisor(k.SystemWidth);
    RequireDivisor(Checked(B * L1));

    for (int c = 1; c <= 5; ++c) {
        RequireDivisor(k.KavoLoads[c]);
        if (classic) {
            k.KavoSF[c] = Checked(k.TotalCapacityClassic / k.KavoLoads[c]);
        } else {
            k.KavoSFR[c] = Checked(k.TotalCapacityR / k.KavoLoads[c]);
        }
        k.KavoAvgStress[c] =
            Checked((k.We + L1) * (B + k.We) * (k.KavoLoads[c] / k.SystemWidth) / (B * L1) / 144.0f);
        const float sigma = k.KavoAvgStress[c];

        if (classic) {
            if (c == 1) ws.Stress.DevStress = sigma;
            if (progressFlag != 0) {
                ws.Ui->appendProgress("SS Stress (i = " + std::to_string(c) +
                                      ") = " + FormatNumber(sigma, "0.#0") + CrLf);
            }
        }

        RequireDivisor(Checked(sigma + m));
        if (classic) {
            k.KavoSFMS[c] = Checked(sigma * k.KavoSF[c] / (sigma + m));
        } else {
            k.KavoSFRMS[c] = Checked(sigma * k.KavoSFR[c] / (sigma + m));
        }
    }

    if (classic) {
        const float devStress = ws.Stress.DevStress;
        k.KavoTotalStress[1] = Checked(devStress + m);
        for (int c = 2; c <= 5; ++c) {
            RequireDivisor(k.KavoSFMS[c]);
            k.KavoTotalStress[c] =
                Checked(k.KavoTotalStress[1] + devStress * (k.KavoSFMS[1] - k.KavoSFMS[c]) / k.KavoSFMS[c]);
        }
    }
}

}  // namespace vesk
