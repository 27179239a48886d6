#pragma once
#include <string>

namespace vesk {

struct Workspace;

// Builds the two-seam solver model (ws.Model) from the working copies: the
// previous seam's gob (or remnant pillar) between two margins of solid coal,
// and the active seam's pillars and crosscuts anchored at the gob or remnant
// edge. Sets ws.Run.StressAdjustDivisor. On a geometry error it shows the grid
// generation message and returns false; the model is then incomplete and must
// not be solved.
bool BuildSolverModel(Workspace& ws);

// Writes the solver input file of ws.Model to `path` (replacing it). Returns
// false when the file cannot be written.
bool WriteSolverInput(const Workspace& ws, const std::string& path);

// The first line of the solver input file (without its line end): unit code,
// extraction ratios, element width and count, depths, heights, critical
// element and seam, separated by commas, numbers with "." and no blanks.
std::string SolverInputHeader(const Workspace& ws);

}  // namespace vesk
