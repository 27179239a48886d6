#pragma once
#include <string>

namespace vesk {

struct Workspace;

// Readers of the solver's result files. Each returns false with a description
// of the fault ("File not found", "Input past end of file", ...) when the file
// is missing or shorter or other than its layout.

// The .vk1 file: the first two of its three comma-separated values, the
// single-seam pillar stress and the stress the previous seam induces (psi).
bool ReadCriticalStresses(const std::string& path, float& singleSeamStress, float& multiSeamStress,
                          std::string& error);

// The .dat file of the run (SolverFilePath ".dat"): the element rows of seam 1
// and seam 2 into ws.Graph.ProfileRowsA and ProfileRowsB, positions into
// ProfileX (element i at i x ElementWidth).
bool ReadStressProfiles(Workspace& ws, std::string& error);

// The .vk2 file of the run: single- and multiple-seam stress of the critical
// seam per element into ws.Graph.ProfilePairs, positions into ProfileX.
bool ReadCriticalProfile(Workspace& ws, std::string& error);

}  // namespace vesk
