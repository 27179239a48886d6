#pragma once
// From smeared element results to pillar results: extraction-ratio adjustment,
// safety factors, pillar averages, horizontal strains and output units.
#include "veskjirn2d_doc.h"

namespace veskjirn {

// Calls visit(first, last) for every pillar of a row of pillar marks, west to
// east; returns early with visit's result when that is non-zero.
template <class Visit>
int ForEachPillar(GridRow<const int32_t> marks, int n, Visit visit) {
    int first = 1;
    int last = 0;
    for (int i = 1; i <= n; ++i) {
        if (marks[i] == 2) {
            first = i;
        } else if (marks[i] == 3) {
            last = i;
            if (i == 1 || marks[i - 1] == 0) first = i;
            if (int status = visit(first, last); status != 0) return status;
        }
    }
    return 0;
}

// Turns the smeared stresses of pillar elements into pillar stresses.
void AdjustForExtractionRatio(CVeskJirn2DDoc& doc, int s);

double PillarStrength(const CVeskJirn2DDoc& doc, double width, double height);

// Mean modulus of the pillar first..last of seam s, or -31 for an element
// without a coal law (message in ErrLog).
double Pillar_Average_Modulus(CVeskJirn2DDoc& doc, int s, int first, int last);

// Element and pillar safety factors of seam s: 0, 21 or 31.
int Strain_Safety_Factor(CVeskJirn2DDoc& doc, int s);

// Pillar means of the element and induced stresses of seam s.
void AveragePillarStress(CVeskJirn2DDoc& doc, int s);

// Slope G and horizontal strain H from the remote displacements R of one seam.
// Where R or the curvature is exactly zero the strain has no sign: it is 0.
void HorizontalStrain(GridRow<double> R, GridRow<double> G, GridRow<double> H, int n, double w,
                      int32_t unitsCode);

// Converts lengths and stresses to the units the input asked for.
void ConvertOutputUnits(CVeskJirn2DDoc& doc);

}  // namespace veskjirn
