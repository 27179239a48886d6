#pragma once
#include <array>
#include <string>

namespace vesk {

inline constexpr int GraphKindCount = 8;

// Entries of the graph lists, indexed by graph kind.
inline const std::array<std::string, GraphKindCount> GraphKindNames = {
    "Critical Interburden vs Depth of Cover",
    "Critical Interburden vs Crosscut Spacing",
    "Stability Factor vs Depth of Cover",
    "Stability Factor vs Crosscut Spacing",
    "Average Vertical Stresses",
    "Average Vertical Stresses - Detail",
    "Vertical Stresses",
    "Vertical Stresses - Detail"};

inline const std::array<std::string, GraphKindCount> DefaultXAxisTitles = {
    "Depth of Cover",     "Crosscut Spacing",   "Depth of Cover",     "Crosscut Spacing",
    "Location of Pillar", "Location of Pillar", "Location of Pillar", "Location of Pillar"};

inline const std::array<std::string, GraphKindCount> DefaultYAxisTitles = {
    "Critical Interburden",      "Critical Interburden",
    "Stability Factors",         "Stability Factors",
    "Average Vertical Stresses", "Average Vertical Stresses - Detail",
    "Vertical Stresses",         "Vertical Stresses - Detail"};

// Kinds 0..3 are parameter sweeps; 4..7 stress profiles of one model run.
inline bool IsSweepKind(int kind) { return kind >= 0 && kind <= 3; }
inline bool IsDetailKind(int kind) { return kind == 5 || kind == 7; }

}  // namespace vesk
