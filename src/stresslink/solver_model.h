#pragma once
#include <cstdint>
#include <string>

namespace vesk {

// The two-seam solver model built from the working copy (filled by the model
// builder; the fields carry the names the rest of the program reads).
struct SolverModel {
    float ElementWidth = 0;
    int16_t ElementCount = 0;
    std::string GridCodes[2];  // the code rows of seam 1 and seam 2
    int16_t CriticalElement = 0;
    int16_t CriticalSeam = 0;
};

}  // namespace vesk
