#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vesk {

// Element rows of the stress model's result files, 1-based as the files number
// them: row 0 and column 0 are unused.
using ProfileRow = std::array<float, 10>;  // .dat element row, columns 1..9
using ProfilePair = std::array<float, 3>;  // .vk2 row: 1 single-seam, 2 multiple-seam stress

// The data of the graph now shown: filled by the sweeps and the profile
// readers, read by the graph window and the exports.
struct GraphData {
    int16_t GraphKind = 0;
    std::string GraphOwner = "frmMain";
    int16_t GraphSeriesCount = 0;
    int32_t GraphPointCount = 0;
    // Rows 1..points, columns 0..6 (column 0 the X value); row 0 unused.
    std::vector<std::array<float, 7>> GraphTable;
    std::array<std::string, 4> SeriesNames;
    std::array<std::string, 2> StressSeriesNames;

    // Stress profiles of the last model run, rows 1..ElementCount.
    std::vector<float> ProfileX;
    std::vector<ProfileRow> ProfileRowsA;
    std::vector<ProfileRow> ProfileRowsB;
    std::vector<ProfilePair> ProfilePairs;
};

}  // namespace vesk
