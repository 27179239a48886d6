#pragma once

namespace vesk {

// Stress summary of the last run, written by either pillar method and read by
// the interaction statistics and the critical-interburden chart (psi, or the
// project's stress unit after a metric retreat run's back conversion).
struct StressSummary {
    float DevStress = 0;
    float DevAbutmentStress = 0;
    float DevTotalStress = 0;
    float RetreatStressIncrease = 0;
    float RetreatTotalStress = 0;
};

}  // namespace vesk
