#pragma once
#include <cstdint>

namespace vesk {

// Values of the current calculation shared between the driver, the solver link
// and the methods.
struct RunValues {
    float avgSingleSeamStress = 0;  // psi
    float avgMultiSeamStress = 0;   // psi, divided by StressAdjustDivisor after the read
    float StressAdjustDivisor = 0;
    int16_t QuietRun = 0;  // -1 during a quiet run
    int16_t SavedUnitSystem = 0;
    int32_t SolverStatus = 0;
};

}  // namespace vesk
