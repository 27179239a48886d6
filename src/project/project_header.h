#pragma once
#include <cstdint>
#include <string>

namespace vesk {

struct ProjectHeader {
    std::string ProjectTitle;
    std::string ProjectDescription;  // lines joined by CR LF
    int16_t UnitSystem = 0;          // 0 English, 1 Metric
    std::string ProjectFileName;     // full path or "Untitled"
};

}  // namespace vesk
