#pragma once
#include <cstdint>

#include "project/kavo_params.h"
#include "project/ondar_params.h"
#include "project/vesk_params.h"

namespace vesk {

struct Workspace;

// The three parameter records of one copy of the project (stored or working).
struct ProjectRecords {
    VeskParams Vesk;
    KavoParams Kavo;
    OndarParams Ondar;

    bool operator==(const ProjectRecords&) const = default;
};

// New-project values of the three records in the given unit system (0 English,
// 1 Metric): coal strength 900 psi and unit weight 162 pcf, or their metric
// equivalents. UseCMRRFactors and ArchFactor start at 0, so that a new project
// never inherits the factors of the project open before it (an ArchFactor of 0
// with ArchFactorAuto = 1 is computed afresh before a run).
ProjectRecords NewProjectRecords(int16_t unitSystem);

// Puts the new-project values of `unitSystem` into the stored copies.
void SetNewProjectRecords(Workspace& ws, int16_t unitSystem);

// Refreshes the working copies from the stored copies, whole records.
void CopyStoredToWorking(Workspace& ws);

// Unit conversion of single records, in place, each field in its own
// precision (a Single is rounded to float after the multiplication).
// ToEnglish multiplies the lengths by 3.280839895013123, strengths by 145.0377
// and unit weights by 6.3663022639200495; ToMetric divides by the same
// constants. Angles, CMRR values, factors and the age of workings stay.
// Centre distances and per-pillar spacings are converted for entries
// 1..NumberOfEntries-1.
enum class UnitDirection { ToEnglish, ToMetric };
void ConvertVeskUnits(VeskParams& vesk, UnitDirection direction);
void ConvertKavoUnits(KavoParams& kavo, UnitDirection direction);
void ConvertOndarUnits(OndarParams& ondar, UnitDirection direction);

// What a run needs to undo its conversion to English units: the project's unit
// system and, when the working copies were converted, their values before.
struct ProjectUnitsSnapshot {
    int16_t UnitSystem = 0;
    bool Converted = false;
    ProjectRecords Working;
};

// Before a run: saves UnitSystem in Run.SavedUnitSystem; for a metric project
// converts the working copies of the method `mode` (0 longwall: VeskWork and
// KavoWork; 1 retreat: VeskWork and OndarWork) to English units and sets
// UnitSystem = 0. Returns what RestoreProjectUnits needs.
ProjectUnitsSnapshot ToEnglishUnits(Workspace& ws, int16_t mode);

// After a run, on every way out: puts the working copies back exactly as they
// were before ToEnglishUnits (dividing back would leave rounding noise such as
// 5.969999 for 5.97) and restores UnitSystem. Does nothing for a run that did
// not convert. Results of the methods are not touched.
void RestoreProjectUnits(Workspace& ws, const ProjectUnitsSnapshot& snapshot);

}  // namespace vesk
