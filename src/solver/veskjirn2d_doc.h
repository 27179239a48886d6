#pragma once
// The record of one solver run: file names and logs, the input values, the model
// constants and material table, and the per-seam grids. One run owns one
// record; nothing outlives the call.
#include <array>
#include <cstdint>
#include <string>

#include "grid.h"
#include "solver_log.h"

namespace veskjirn {

// Status codes returned by the library (see include/veskjirn.h).
enum SolverStatusCode : int32_t {
    kStatusOk = 0,
    kStatusCannotOpenInput = 1,
    kStatusBadControlLine = 2,
    kStatusNoGridMemory = 3,
    kStatusBadSeam1Codes = 4,
    kStatusBadSeam2Codes = 5,
    kStatusElementStress = 11,
    kStatusIterationLimit = 12,
    kStatusSafetyFactor = 21,
    kStatusPillarModulus = 31,
    kStatusCannotWriteFiles = 41,
};

inline constexpr int kMaterialSlots = 26;  // material numbers 0..25 carry a law
inline constexpr int kOpeningMaterial = 27;
inline constexpr int32_t kMaxElementCount = 32767;
// Coupled passes allowed before a run is declared unsettled (status 12). Even
// seams a few inches apart settle in well under a hundred passes; the bound
// only ends runs that would otherwise never return.
inline constexpr int kMaxCoupledPasses = 1000;

// Choices a run makes about how it computes, never about what.
struct RunOptions {
    // Use the straightforward O(n^2) coupling kernels and the plain sweep instead
    // of the table-driven ones; results are the same, only slower. Kept for the
    // tests that prove exactly that.
    bool literalKernels = false;
};

struct CVeskJirn2DDoc {
    RunOptions Options;

    // File names
    std::string InputPath;
    std::string InputName;
    std::string InputTitle;
    std::string BasePath;
    std::string OutPath, ErrPath, DatPath, Vk1Path, Vk2Path;

    // Logs
    SolverLog OutLog;
    SolverLog ErrLog;

    // Input (seam-indexed fields use index 1 and 2)
    int32_t UnitsCode = 0;
    std::array<double, 3> ExtractionRatio{};
    double ElementWidth = 0.0;
    int32_t ElementCount = 0;
    std::array<double, 3> SeamOverburden{};
    std::array<double, 3> SeamHeight{};
    int32_t CriticalElement = 0;
    int32_t CriticalSeam = 0;

    // Model constants
    int32_t SeamCount = 2;
    int32_t MaterialCount = 0;
    double RockModulus = 0.0;
    double RockPoisson = 0.0;
    double LaminationThickness = 0.0;
    double Lambda = 0.0;
    double StressGradient = 0.0;
    double ModelCoalStrength = 0.0;
    double CoalModulus = 0.0;
    double CoalPoisson = 0.0;
    double CoalPlasticModulus = 0.0;
    int32_t YieldZoneCount = 0;
    double GobInitialModulus = 0.0;
    double GobFinalModulus = 0.0;
    double GobPeakStress = 0.0;
    double GobHeightFactor = 0.0;
    double GobPoisson = 0.0;
    double OverRelaxation = 0.0;
    double ConvergenceTolerance = 0.0;
    int32_t MaxIterations = 0;
    int32_t WestBoundary = 0;
    int32_t EastBoundary = 0;
    std::array<int32_t, kMaterialSlots> MaterialType{};
    std::array<std::array<double, 7>, kMaterialSlots> MaterialParam{};  // parameters 1..6
    std::array<double, 3> PreminingStress{};

    // Result
    double SingleSeamCriticalStress = 0.0;

    // Grids: rows 1..SeamCount; columns 1..n unless noted
    Grid<char> CharCodes;
    Grid<int32_t> IntCodes;
    Grid<int32_t> PillarCodes;
    Grid<double> Displacement;  // columns 0..n+1
    Grid<double> ElementStressGrid;
    Grid<double> PreminingGrid;
    Grid<double> InducedStress;
    Grid<double> SingleSeamStress;
    Grid<double> AvgPillarStress;
    Grid<double> AvgInducedStress;
    Grid<double> ElementSafetyFactor;
    Grid<double> PillarSafetyFactor;
    Grid<double> HStrain;
    Grid<double> RemoteDisp;  // columns 0..n+1
    Grid<double> Slope;       // columns 0..n+1

    // Material type of a material number; 0 (no material) outside the table.
    int32_t TypeOf(int32_t material) const {
        return material >= 0 && material < kMaterialSlots ? MaterialType[static_cast<std::size_t>(material)]
                                                          : 0;
    }
};

}  // namespace veskjirn
