#pragma once
#include <cmath>
#include <limits>

namespace vesk {

// A Double stored in a Single, as an assignment to a Single rounds it. Values
// beyond the Single range become infinities (the plain conversion would be
// undefined), not-a-number stays not-a-number.
inline float ToSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::infinity();
    if (value < -largest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace vesk
