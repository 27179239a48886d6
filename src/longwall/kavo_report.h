#pragma once
#include <cstdint>

namespace vesk {

struct Workspace;

// Report page 2: single- and multiple-seam stability factors and the warnings
// about inputs outside the case-history data base. Reads the English working
// copy, so it runs before the back conversion of a metric project; the
// report units follow ws.Run.SavedUnitSystem.
void KavoReportStabilityFactors(Workspace& ws);

// Report pages 3 (capacity of every pillar and of the system; kind 1 or 2
// chooses the heading) and 4 (single- and multiple-seam loads).
void KavoReportCapacityAndLoads(Workspace& ws, int16_t kind);

}  // namespace vesk
