#pragma once
// Material laws: the vertical stress of each element of a seam from its closure.
#include <cstdint>
#include <vector>

#include "grid.h"
#include "veskjirn2d_doc.h"

namespace veskjirn {

// Recomputes sigma[1..n] from the closures D[1..n] of one seam of height h.
// Returns 0, or 1 / 2 / 3 for a material number 26 / above 27 / without a law
// (message in ErrLog); elements before the bad one keep their new stress.
int ElementStress(CVeskJirn2DDoc& doc, GridRow<const double> D, GridRow<double> sigma, int n,
                  GridRow<const int32_t> codes, double h);

// A stretch of elements first..last with the same material number.
struct MaterialRun {
    int first;
    int last;
    int32_t material;
};
std::vector<MaterialRun> MaterialRuns(GridRow<const int32_t> codes, int n);

// ElementStress working run by run: each law is chosen once per run and its
// loop has no dispatch in it. Same operations on every element, same results,
// same error and message at the same element.
int ElementStressByRuns(CVeskJirn2DDoc& doc, GridRow<const double> D, GridRow<double> sigma,
                        const std::vector<MaterialRun>& runs, double h);

}  // namespace veskjirn
