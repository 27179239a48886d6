#pragma once
#include <stdexcept>

namespace vesk {

// A quotient whose divisor may be zero for inputs that passed the checks only
// by accident; a zero divisor ends the run with the run-time error the
// driver reports ("Division by zero") instead of carrying inf or NaN into the
// stability factors.
inline double CheckedDivide(double numerator, double denominator) {
    if (denominator == 0) throw std::runtime_error("Division by zero");
    return numerator / denominator;
}

}  // namespace vesk
