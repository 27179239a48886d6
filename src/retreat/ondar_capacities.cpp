#include <cmath>

#include "retreat/checked_division.h"
#include "retreat/ondar_model.h"
#include "retreat/ondar_model_state.h"

namespace vesk {

namespace {

// Unit strength (psf) of a pillar of width w and length L, entry height h.
double PillarUnitStrength(double strengthPsf, double w, double L, double h) {
    if (w == 0) return 0;
    return strengthPsf * (0.64 + 0.54 * w / h - 0.18 * CheckedDivide(w * w, h * L));
}

}  // namespace

void OndarComputeCapacities(OndarModelState& o) {
    const int n = o.PillarCount;
    const double h = o.EntryHeight;
    const double We = o.EntryWidth;
    const double Xc = o.CrosscutSpacing;
    const double B = o.AMZBreadth;
    const double s = std::sin(o.CrosscutAngleRad);

    // Active mining zone and the plan geometry of the pillars. Skewed
    // crosscuts make every pillar a parallelogram: its side along the entries
    // is measured perpendicular to the crosscuts.
    o.AMZArea = B * o.AMZWidth;
    o.PerpendicularLength = (Xc - CheckedDivide(We, s)) * s;
    double areaSum = 0;
    for (int i = 1; i <= n; ++i) {
        o.SkewWidth[i] = CheckedDivide(o.Centers[i] - We, s);
        o.PillarArea[i] = o.PerpendicularLength * o.SkewWidth[i];
        areaSum += o.PillarArea[i];
    }
    // One pillar of each column for every crosscut spacing along the breadth.
    o.PillarAreaInAMZ = CheckedDivide(areaSum * B, Xc);
    o.ExtractionRatio = CheckedDivide(o.AMZArea - o.PillarAreaInAMZ, o.AMZArea);

    double capacitySum = 0;
    for (int i = 1; i <= n; ++i) {
        double w = o.PillarGap[i];
        double L = CheckedDivide(o.PerpendicularLength, s);
        if (!(o.PerpendicularLength > w)) {
            w = o.PerpendicularLength;
            L = o.SkewWidth[i];
        }
        o.PillarWidth[i] = w;
        o.PillarLength[i] = L;
        o.PillarStrength[i] = PillarUnitStrength(o.StrengthPsf, w, L, h);
        o.PillarCapacity[i] = o.PillarStrength[i] * o.PillarArea[i];
        capacitySum += o.PillarCapacity[i];
    }
    o.AMZCapacity = CheckedDivide(capacitySum * B, Xc);

    // Leave rows A and B are bleeder pillars left standing in the active
    // section: the active zone loses their columns. With a single pillar
    // column rows A and B are the same column, taken out once.
    const bool excludeFirst = o.LeaveRow[1] == 1.0;
    const bool excludeLast = o.LeaveRow[2] == 1.0 && !(excludeFirst && n == 1);
    o.AMZWidthActive = o.AMZWidth;
    if (excludeFirst && n >= 1) o.AMZWidthActive -= o.Centers[1];
    if (excludeLast && n >= 1) o.AMZWidthActive -= o.Centers[n];
    double activeCapacitySum = 0;
    for (int i = 1; i <= n; ++i) {
        if ((i == 1 && excludeFirst) || (i == n && excludeLast)) continue;
        activeCapacitySum += o.PillarCapacity[i];
    }
    o.AMZAreaActive = o.AMZWidthActive * B;
    o.AMZCapacityActive = CheckedDivide(activeCapacitySum * B, Xc);

    // Leave rows C and D beside the side gobs: what they carry beyond their
    // own tributary load helps the barrier next to them. Their length is the
    // pillar pitch, without the crosscut-angle correction.
    for (int r = 1; r <= 2; ++r) {
        if (o.LeaveRow[r + 2] != 1.0) {
            o.LeaveStrength[r] = 0;
            o.LeaveCapacity[r] = 0;
            o.LeaveTributaryLoad[r] = 0;
        } else {
            const double w = o.LeaveWidth[r];
            o.LeaveStrength[r] =
                o.StrengthPsf * (0.64 + 0.54 * w / h - 0.18 * CheckedDivide(w * w, o.PillarPitchLength * h));
            o.LeaveCapacity[r] = w * o.LeaveStrength[r] * o.PillarPitchLength;
            o.LeaveTributaryLoad[r] = (We + w) * Xc * o.DepthOfCover * o.UnitWeight;
        }
        o.LeaveExcessCapacity[r] = CheckedDivide((o.LeaveCapacity[r] - o.LeaveTributaryLoad[r]) * B, Xc);
        if (o.LeaveExcessCapacity[r] < 0.01) o.LeaveExcessCapacity[r] = 0;
    }

    // Side-gob barrier pillars: long pillars, no length term; narrower than
    // the entry height they are taken as crushed.
    for (int b = 1; b <= 2; ++b) {
        const double Wb = o.BarrierWidth[b];
        o.BarrierStrength[b] = Wb < h ? 0.0 : o.StrengthPsf * (0.64 + 0.54 * Wb / h);
        o.BarrierCapacity[b] = Wb * o.BarrierStrength[b] * B + o.LeaveExcessCapacity[b];
    }
}

}  // namespace vesk
