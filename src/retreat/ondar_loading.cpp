#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/workspace.h"
#include "retreat/checked_division.h"
#include "retreat/ondar_model.h"
#include "retreat/single_value.h"

namespace vesk {

namespace {

// Abutment load per unit length of gob (lbs/ft) for a gob of extent E whose
// abutment angle has the tangent t: the overburden wedge beside the gob,
// limited to the gob's own half-width when the gob is narrow. A gob of no
// extent throws no load (also for an angle of 0, where the narrow-gob form
// would be 0/0).
double GobAbutmentLoad(double E, double t, double H, double gamma) {
    if (E == 0) return 0;
    if (E / 2 > H * t) return H * H * t * gamma / 2;
    return (H * E / 2 - CheckedDivide(E * E, 8 * t)) * gamma;
}

// Share of an abutment of extent D that reaches beyond a distance x.
double RFactor(double D, double x) {
    const double r = 1 - std::pow((D - x) / D, 3);
    return std::min(r, 1.0);
}

// Effective arch factor of one side barrier: a barrier that cannot carry its
// load (SF below 1.5) hands the load the arch sheds onto it back to the AMZ.
float SideArchFactor(double barrierSF, float F) {
    float e = F;
    if (barrierSF < 1.5) e = ToSingle((1.5 - barrierSF) * (1 - F) + F);
    if (barrierSF < 0.5) e = 1.0f;
    return e;
}

void ClearStaged(OndarModelState::StagedSteps& table) {
    for (auto& row : table) row.fill(0);
}

void ClearStaged(OndarModelState::StagedSides& table) {
    for (auto& row : table) row.fill(0);
}

// The front abutment of the active gob, the slab-cut corners, the side
// abutments, the remnant and side barriers (loading cases 2..4).
void AbutmentLoads(Workspace& ws, double multiSeamForce) {
    OndarModelState& o = ws.Ondar;
    const int st = o.Stage;
    const int lc = o.LoadingCase;
    const double H = o.DepthOfCover;
    const double gamma = o.UnitWeight;
    const double B = o.AMZBreadth;
    const double We = o.EntryWidth;
    const double h = o.EntryHeight;
    const double Xc = o.CrosscutSpacing;
    const double F = o.WorkingArchFactor;
    const int sides = lc - 2;

    const double D = 9.3 * std::sqrt(H);
    o.AbutmentExtent = D;
    o.FrontRFactor = RFactor(D, B);
    const double R = o.FrontRFactor;

    const double t = std::tan(o.AbutmentAngleRad[1]);
    const double E = o.GobExtent[1];
    o.AbutmentLoad[1] = GobAbutmentLoad(E, t, H, gamma);

    double W = o.AMZWidthActive;
    if (lc >= 3) W += o.SlabCut[1];
    if (lc == 4) W += o.SlabCut[2];
    o.ActiveGobWidth = W;

    // Front abutment reaching the AMZ: the three-dimensional abutment of a
    // gob of width W and extent E (wedges along the sides, pyramids at the
    // corners).
    const double Ht = H * t;
    if (W / 2 >= Ht && E / 2 >= Ht) {
        o.AMZLoad[st][2] = ((W - 2 * Ht) * H * Ht / 2 * gamma + 2 * (Ht * H * Ht / 3 * gamma)) * R;
        o.RemnantLength = Ht;
    } else if (E <= W) {
        const double a = E / 2;
        const double h2 = H - CheckedDivide(a, t);
        const double T1 = (W - E) * h2 * a * gamma;
        const double T2 = (W - E) * CheckedDivide(a, t) * a * 0.5 * gamma;
        const double T3 = a * h2 * a * 0.5 * gamma;
        const double T4 = a * CheckedDivide(a, t) * a / 3 * gamma;
        o.AMZLoad[st][2] = (2 * (T3 + T4) + T1 + T2) * R;
        o.RemnantLength = E / 2;
    } else {
        o.NarrowGob = true;
        const double a = W / 2;
        const double h2 = H - CheckedDivide(a, t);
        const double T3 = a * h2 * a * 0.5 * gamma;
        const double T4 = a * CheckedDivide(a, t) * a / 3 * gamma;
        o.AMZLoad[st][2] = 2 * (T3 + T4) * R;
        o.RemnantLength = W / 2;
    }

    // Slab cuts taken from the side barriers widen the active gob; the corner
    // of the cut carries its own share of the front abutment, which the AMZ
    // then does not. With an abutment angle of 0 there is no abutment wedge.
    for (int b = 1; b <= sides; ++b) {
        const double a = o.SlabCut[b] / 2;
        double corner = 0;
        if (a != 0 && t != 0) {
            const double h2 = H - a / t;
            corner = (a * h2 * a * 0.5 * gamma + a * (a / t) * a / 3 * gamma) * R;
        }
        o.SlabCornerLoad[st][b] = corner;
        o.AMZLoad[st][2] -= corner;
    }

    // Front abutment on the remnant barriers: each takes half of what the
    // two-dimensional front abutment across the full width exceeds the AMZ's
    // share by, or half the AMZ's share when the gob is narrower than its
    // extent.
    for (int b = 1; b <= sides; ++b) {
        o.LFBAR[st][b] = o.NarrowGob ? 0.5 * o.AMZLoad[st][2]
                                     : 0.5 * o.AMZWidth * o.AbutmentLoad[1] * R - 0.5 * o.AMZLoad[st][2];
    }

    for (int b = 1; b <= sides; ++b) {
        const double tb = std::tan(o.AbutmentAngleRad[b + 1]);
        o.AbutmentLoad[b + 1] = GobAbutmentLoad(o.GobExtent[b + 1], tb, H, gamma);
        o.SideRFactor[b] = 0;
        if (o.BarrierWidth[b] != 0) o.SideRFactor[b] = RFactor(D, We / 2 + o.BarrierWidth[b]);
        o.AMZLoad[st][b + 2] = (1 - o.SideRFactor[b]) * B * o.AbutmentLoad[b + 1];
    }

    // Remnant barriers: the part of each side barrier left between the side
    // gob and the active gob after the slab cut.
    for (int b = 1; b <= sides; ++b) {
        o.RemnantWidth[b] = o.BarrierWidth[b] - o.SlabCut[b];
        if (o.RemnantLength != 0 && o.RemnantWidth[b] != 0) {
            o.RemnantLoad[st][b] = o.RemnantLength * o.AbutmentLoad[b + 1] + o.LFBAR[st][b] +
                                   gamma * H * o.RemnantWidth[b] * o.RemnantLength;
        }
        o.RemnantStrength[b] =
            o.RemnantWidth[b] < h ? 0.0 : o.StrengthPsf * (0.64 + 0.54 * o.RemnantWidth[b] / h);
        o.RemnantCapacity[b] = o.RemnantLength * o.RemnantStrength[b] * o.RemnantWidth[b] +
                               o.RemnantLength * o.LeaveExcessCapacity[b] / Xc;
        // Without an active gob (Development) the remnant carries no load and
        // keeps the factor of the last pass that loaded it.
        if (o.RemnantLoad[st][b] != 0) o.RemnantSF[b] = o.RemnantCapacity[b] / o.RemnantLoad[st][b];
        if (o.RemnantWidth[b] > 0) {
            if (o.RemnantSF[b] <= 1.5) {
                o.LTRANSREM[st][b + 2] =
                    std::min((1.5 - o.RemnantSF[b]) * 0.67 * o.LFBAR[st][b], o.LFBAR[st][b]);
            }
        } else {
            // The slab cut took the whole barrier.
            o.LTRANSREM[st][b + 2] = o.LFBAR[st][b];
            o.RemnantSF[b] = 0;
        }
        o.BarrierFrontLoad[st][b] = 0;
        double T = (We / 2 + o.BarrierWidth[b]) * o.AbutmentLoad[1] * R - o.SlabCornerLoad[st][b];
        if (o.BarrierWidth[b] == 0) T = 0;
        if (o.RemnantSF[b] < 1.5) o.BarrierFrontLoad[st][b] = (1.5 - o.RemnantSF[b]) * 0.67 * T;
    }

    // Loads the pressure arch sheds from the AMZ onto the side barriers: half
    // of the arch's share of the AMZ's own loads goes to each side barrier
    // (with one side gob the other half is put on no pillar of the model),
    // and the arch's share of the side's own abutment load goes to it whole.
    for (int b = 1; b <= sides; ++b) {
        o.BarrierArchLoad[st][b] = (o.TributaryLoad + o.AMZLoad[st][2] + multiSeamForce) * (1 - F) / 2 +
                                   (o.LTRANSREM[st][b + 2] + o.AMZLoad[st][b + 2]) * (1 - F);
    }

    for (int b = 1; b <= 2; ++b) {
        if (lc >= b + 2 && o.BarrierWidth[b] != 0) {
            o.BarrierTributaryLoad[st][b] = (We / 2 + o.BarrierWidth[b]) * gamma * H * B;
            o.BarrierSideLoad[st][b] = o.SideRFactor[b] * o.AbutmentLoad[b + 1] * B;
            o.BarrierTotalLoad[st][b] = o.BarrierTributaryLoad[st][b] + o.BarrierFrontLoad[st][b] +
                                        o.BarrierSideLoad[st][b] + o.BarrierArchLoad[st][b] +
                                        o.SlabCornerLoad[st][b];
        }
    }

    // A barrier that is overloaded passes part of its side and arch loads to
    // the AMZ: nothing above SF 1.5, all of them below 0.5.
    for (int b = 1; b <= 2; ++b) {
        o.BarrierSF[st][b] = 0;
        o.LTRANSBAR[st][b + 2] = 0;
        if (lc >= b + 2 && o.BarrierWidth[b] != 0) {
            const double sf = CheckedDivide(o.BarrierCapacity[b], o.BarrierTotalLoad[st][b]);
            o.BarrierSF[st][b] = sf;
            const double shed = o.BarrierSideLoad[st][b] + o.BarrierArchLoad[st][b];
            double transfer = shed * (1.5 - sf);
            if (sf > 1.5) transfer = 0;
            if (sf < 0.5) transfer = shed;
            o.LTRANSBAR[st][b + 2] = transfer;
        }
    }
}

}  // namespace

void OndarLoadingPass(Workspace& ws, int16_t progressFlag) {
    OndarModelState& o = ws.Ondar;
    OndarComputeCapacities(o);

    const int st = o.Stage;
    const int lc = o.LoadingCase;
    const int n = o.PillarCount;
    const double F = o.WorkingArchFactor;
    const double We = o.EntryWidth;
    const double m = ws.Run.avgMultiSeamStress;

    for (int k = 2; k <= 4; ++k) {
        o.AMZLoad[st][k] = 0;
        o.LTRANSBAR[st][k] = 0;
        o.LTRANSREM[st][k] = 0;
    }
    o.NarrowGob = false;
    o.TributaryLoad = o.UnitWeight * o.DepthOfCover * (lc == 2 ? o.AMZAreaActive : o.AMZArea);

    // Ratio of a pillar's tributary area to its own area: turns a load on the
    // AMZ into an average pillar stress, and back.
    double widthSum = 0;
    for (int i = 1; i <= n; ++i) widthSum += o.PillarWidth[i];
    o.MeanPillarWidth = ToSingle(CheckedDivide(widthSum, n));
    const double wm = o.MeanPillarWidth;
    const double L1 = o.PillarLength[1];
    const double areaRatio = CheckedDivide((wm + We) * (We + L1), wm * L1);

    if (lc >= 2) {
        // The multiple-seam term of the barriers' arch loads. The stress m
        // (psi) acts on the pillars of the AMZ like the single-seam loads, so
        // the pressure arch sheds the same share (1 - F) of it onto the side
        // barriers as of the tributary and front abutment loads. As a force
        // it is the load that gives the AMZ's pillars an average stress of m,
        // m x 144 x AMZArea / areaRatio, the inverse of the stress rule below.
        // It is 0 when m is 0 and with F = 1 (so the stress summary of the
        // F = 1 passes never sees it), and the multiple-seam factor keeps its
        // own rule. It does lower the barrier factors, so a barrier that
        // cannot carry it hands load back to the AMZ (LTRANSBAR, effective
        // arch factor): with side gobs and F below 1 the AMZ factors then
        // reflect the previous seam's load on the barriers too.
        const double multiSeamForce = m * 144 * o.AMZArea / areaRatio;
        AbutmentLoads(ws, multiSeamForce);
    }

    // Cumulative loads on the AMZ. The arch factor scales the tributary,
    // front and side abutment loads and LTRANSREM, never LTRANSBAR.
    o.TotalLoad[st][1] = F * o.TributaryLoad;
    o.TotalLoadFull[st][1] = o.TributaryLoad;
    if (lc >= 2) {
        o.TotalLoad[st][2] = o.TotalLoad[st][1] + F * o.AMZLoad[st][2];
        o.TotalLoadFull[st][2] = o.TotalLoadFull[st][1] + o.AMZLoad[st][2];
    }
    for (int k = 3; k <= lc; ++k) {
        o.TotalLoad[st][k] =
            o.TotalLoad[st][k - 1] + (o.LTRANSREM[st][k] + o.AMZLoad[st][k]) * F + o.LTRANSBAR[st][k];
        o.TotalLoadFull[st][k] =
            o.TotalLoadFull[st][k - 1] + o.LTRANSREM[st][k] + o.AMZLoad[st][k] + o.LTRANSBAR[st][k];
    }

    const bool activeOnly = lc == 2;
    const double capacity = activeOnly ? o.AMZCapacityActive : o.AMZCapacity;
    const double area = activeOnly ? o.AMZAreaActive : o.AMZArea;
    o.OndarSF[st] = CheckedDivide(capacity, o.TotalLoad[st][lc]);

    float sideFactor1 = ToSingle(F);
    for (int k = 1; k <= lc; ++k) {
        o.StepStress[k][st] = areaRatio * CheckedDivide(o.TotalLoadFull[st][k], o.AMZArea) / 144;
        if (o.OndarSF[st] != 0) {
            o.SingleSeamStress[st] = areaRatio * CheckedDivide(capacity / o.OndarSF[st], area) / 144;
            if (activeOnly) o.StepStress[k][st] = o.SingleSeamStress[st];
        } else {
            ShowMessage(ws, "Internal Error: Ondar_SF=0.");
            o.SingleSeamStress[st] = 0;
        }

        o.EffectiveArchFactor = ToSingle(F);
        if (k == 3) {
            sideFactor1 = SideArchFactor(o.BarrierSF[st][1], ToSingle(F));
            o.EffectiveArchFactor = ToSingle((sideFactor1 + F) / 2);
        } else if (k == 4) {
            const float sideFactor2 = SideArchFactor(o.BarrierSF[st][2], ToSingle(F));
            o.EffectiveArchFactor = (sideFactor2 + sideFactor1) / 2;
        }

        if (progressFlag != 0) {
            ws.Ui->appendProgress("SS Stress (i=" + std::to_string(k) +
                                  ") = " + FormatGeneral(o.StepStress[k][st]) + CrLf);
        }

        const double ss = o.SingleSeamStress[st];
        const double r = CheckedDivide(ss, o.EffectiveArchFactor * m + ss);
        AddHistory(ws, std::to_string(st) + " " + FormatGeneral(ss));
        o.OndarSFMS[st] = r * o.OndarSF[st];
        o.OndarTotalStress[k][st] = ToSingle(m + o.StepStress[k][st]);
    }

    // The stress summary comes from the passes with the arch factor forced to
    // 1.
    if (o.ArchMode) {
        StressSummary& stress = ws.Stress;
        if (st == 1) {
            stress.DevStress = ToSingle(o.SingleSeamStress[1]);
            stress.DevAbutmentStress = ToSingle(o.StepStress[lc][1] - o.StepStress[1][1]);
            stress.DevTotalStress = o.OndarTotalStress[lc][1];
        } else {
            stress.RetreatStressIncrease = ToSingle(o.StepStress[lc][2] - stress.DevStress);
            stress.RetreatTotalStress = o.OndarTotalStress[lc][2];
        }
    }
}

void OndarCalculate(Workspace& ws, int16_t progressFlag) {
    OndarModelState& o = ws.Ondar;
    const OndarParams& in = ws.OndarWork;
    if (o.LoadingCase < 1 || o.LoadingCase > 4) {
        throw std::runtime_error("Invalid loading condition");
    }

    for (auto* table : {&o.AMZLoad, &o.LTRANSREM, &o.LTRANSBAR, &o.TotalLoad, &o.TotalLoadFull})
        ClearStaged(*table);
    for (auto* table :
         {&o.SlabCornerLoad, &o.LFBAR, &o.RemnantLoad, &o.BarrierTributaryLoad, &o.BarrierFrontLoad,
          &o.BarrierSideLoad, &o.BarrierArchLoad, &o.BarrierTotalLoad, &o.BarrierSF}) {
        ClearStaged(*table);
    }
    o.RemnantWidth.fill(0);
    o.RemnantStrength.fill(0);
    o.RemnantSF.fill(0);

    // Development has no active gob and no slab cuts yet; the side gobs are
    // there in both stages.
    auto setStage = [&](int16_t stage) {
        o.Stage = stage;
        o.GobExtent[1] = stage == 1 ? 0.0 : in.ActiveGobExtent;
        o.SlabCut[1] = stage == 1 ? 0.0 : in.FirstGobSlabCut;
        o.SlabCut[2] = stage == 1 ? 0.0 : in.SecondGobSlabCut;
    };

    o.ArchMode = true;
    o.WorkingArchFactor = 1.0f;
    setStage(1);
    OndarLoadingPass(ws, progressFlag);
    setStage(2);
    OndarLoadingPass(ws, progressFlag);

    o.ArchMode = false;
    o.WorkingArchFactor = ModelArchFactor(ws);
    setStage(1);
    OndarLoadingPass(ws, progressFlag);
    setStage(2);
    OndarLoadingPass(ws, progressFlag);
}

}  // namespace vesk
