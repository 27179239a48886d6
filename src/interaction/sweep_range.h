#pragma once
#include <cstdint>
#include <vector>

namespace vesk {

// The X values of a parameter sweep around a base value, in single precision.
struct SweepRange {
    float Start = 0;
    float End = 0;
    float Step = 1;
    int32_t TableRows = 0;  // rows the graph table is sized to
    std::vector<float> Points;
};

// Start = min% of the base, end = max% of it, five steps between them (a
// step of 0 becomes 1). The k-th point is start + k x step, so that adding the
// step over and over cannot lose the last point to rounding; a point that
// passes the end by no more than a relative 1e-6 still counts.
SweepRange ComputeSweepRange(float base, int16_t plotRangeMin, int16_t plotRangeMax);

}  // namespace vesk
