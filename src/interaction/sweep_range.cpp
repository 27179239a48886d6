#include "interaction/sweep_range.h"

#include <cmath>

namespace vesk {

SweepRange ComputeSweepRange(float base, int16_t plotRangeMin, int16_t plotRangeMax) {
    SweepRange range;
    // The percentages divide in double precision; each result is kept as a Single.
    const double minFraction = plotRangeMin / 100.0;
    const double maxFraction = plotRangeMax / 100.0;
    range.Start = static_cast<float>(minFraction * base);
    range.End = static_cast<float>(base * maxFraction);
    range.Step = static_cast<float>(base * ((maxFraction - minFraction) / 5.0));
    if (range.Step == 0) range.Step = 1;

    const double rows = std::nearbyint((static_cast<double>(range.End) - range.Start) / range.Step + 2.0);
    range.TableRows = std::isfinite(rows) && rows > 0 && rows < 1e6 ? static_cast<int32_t>(rows) : 0;

    if (!std::isfinite(range.Start) || !std::isfinite(range.End) || !std::isfinite(range.Step) ||
        range.Step < 0) {
        return range;  // a negative step (max below min) gives no point, as the loop never ran
    }
    const double limit = range.End + std::fabs(static_cast<double>(range.End)) * 1e-6;
    for (int32_t k = 0; k < 1000; ++k) {
        const float x = range.Start + static_cast<float>(k) * range.Step;
        if (x > limit) break;
        range.Points.push_back(x);
    }
    return range;
}

}  // namespace vesk
