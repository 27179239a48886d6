#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vesk {

// The two-seam solver model built from the working copy by BuildSolverModel
// and written to the solver input file. Lengths are in feet (every caller
// builds the model in English units). Seam-indexed arrays use indices 1 and 2
// (seam 1 the upper, seam 2 the lower); element 0 is unused.
//
// The divisor 1 - ActiveExtractionRatio lives with the other run values
// (RunValues::StressAdjustDivisor); the builder sets it there.
struct SolverModel {
    float GridWidth = 0;
    float ElementWidth = 0;
    int16_t ElementCount = 0;  // elements per seam
    std::array<float, 3> SeamDepth{};
    std::array<float, 3> SeamMiningHeight{};
    std::array<float, 3> SeamExtractionRatio{};  // 0 for the previous seam
    float ActiveExtractionRatio = 0;
    int16_t ActiveSeam = 0;
    int16_t PreviousSeam = 0;
    int16_t CriticalSeam = 0;
    int16_t CriticalElement = 0;

    // Material character codes, one character per element: GridCodes[0] holds
    // the row of seam 1, GridCodes[1] the row of seam 2, each ElementCount
    // characters long (character k - 1 is element k).
    std::string GridCodes[2];

    // Element counts of the layout.
    int16_t MarginElements = 0;
    int16_t Gob1Elements = 0;
    int16_t RemnantElements = 0;
    int16_t Gob2Elements = 0;
    int16_t HalfEntryElements = 0;
    int16_t CrosscutElements = 0;
    int16_t PillarElements = 0;
};

}  // namespace vesk
