#pragma once
// The fixed constants of the laminated model and the material table.
#include "veskjirn2d_doc.h"

namespace veskjirn {

// Sets every model constant from the unit system, converts input feet to
// inches and builds the material table.
void SetModelParameters(CVeskJirn2DDoc& doc);

// Peak stress of coal at distance x from the rib of a seam of height h.
double PeakStress(double x, double h, double coalStrength);

}  // namespace veskjirn
