#pragma once
// The solution of one seam: pillar marks, boundary cells and the successive
// over-relaxation of the seam's closures.
#include "veskjirn2d_doc.h"

namespace veskjirn {

// Marks the pillars of seam s in PillarCodes: 0 not pillar, 1 interior, 2 first
// element, 3 last element (a one-element pillar carries only the 3).
void FindPillars(CVeskJirn2DDoc& doc, int s);

// Sets the boundary cells D[0] and D[n+1] of one seam.
void ApplyBoundaryConditions(const CVeskJirn2DDoc& doc, GridRow<double> D);

// Solves seam s with the induced stress currently in its InducedStress row.
// Returns the number of sweeps done, -11 after an element stress error or -12
// when the sweep limit was reached.
int SOR(CVeskJirn2DDoc& doc, int s);

}  // namespace veskjirn
