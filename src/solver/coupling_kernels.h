#pragma once
// The two seam-to-seam kernels of the laminated model: the vertical stress that
// one seam's closure induces in the other, and the displacement it induces at
// the other seam's horizon.
//
// Both come in two forms. The literal form evaluates the Gaussian for every
// pair of elements (n^2 calls of exp). The table form uses that on a uniform
// grid the kernel depends only on the element distance: it evaluates it once
// per distance, skips distances where it has underflowed to zero, and adds the
// same products in the same order, so its sums are bit for bit those of the
// literal form. Where that cannot be guaranteed (grid positions that are not
// exact in floating point, or non-finite closures) the table form falls back to
// the literal one.
#include "grid.h"

namespace veskjirn {

struct KernelConstants {
    double rockModulus;  // E
    double lambda;       // laminated length parameter
};

// Adds to q[1..n] the stress induced by closures D[1..n] of a seam at vertical
// distance h.
void MultiSeamStress(GridRow<const double> D, int n, double w, GridRow<double> q, double h,
                     const KernelConstants& k, bool literal);
void MultiSeamStressLiteral(GridRow<const double> D, int n, double w, GridRow<double> q, double h,
                            const KernelConstants& k);

// Adds to R[0..nt+1] the displacement induced by closures D[1..ns]; h is the
// source depth minus the target depth.
void RemoteDisplacement(GridRow<const double> D, int ns, double ws, GridRow<double> R, int nt, double wt,
                        double h, const KernelConstants& k, bool literal);
void RemoteDisplacementLiteral(GridRow<const double> D, int ns, double ws, GridRow<double> R, int nt,
                               double wt, double h, const KernelConstants& k);

}  // namespace veskjirn
