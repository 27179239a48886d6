#pragma once
#include <cstdint>

namespace vesk {

struct Workspace;

// One analysis of the open project: working copies, the two-seam stress model
// and its solver, the pillar method of the project's mining mode, the
// interaction statistics and, in a full run, the report pages.
//
// Every run converts a metric project's working copies to English units and
// puts them back exactly on every way out, success or failure, so that the
// project never keeps UnitSystem = English.
//
// The full runs return true when the results are complete and the method's
// results window should open (the front end opens it; the window re-enables
// the main window when it closes). On false the run has ended with its
// message and the front end re-enables the main window at once.

// Caption of the longwall results window after a full run from the main menu.
inline constexpr const char* KavoResultsCaption = "Calculate stability factors: Standard Geometry";

// The Calculate command of the Output menu: checks that a project is loaded,
// prepares the run and runs the full calculation of the stored mining mode.
bool Calculate(Workspace& ws);

// Copies the stored records to the working records, fills the automatic
// pressure arch factor and checks the multiple-seam inputs. False: a message
// was shown and the run must not start.
bool PrepareRun(Workspace& ws);

// The automatic pressure arch factor of the retreat working copy, rounded to
// two decimals (ties to even).
float CalcArchFactorAuto(const Workspace& ws);

// Full runs: temporary work file, progress lines, report pages 0..4 (longwall)
// or 0..6 (retreat) and page 1 of the statistics.
bool CalculateResultsKavo_Calc(Workspace& ws);
bool CalculateResultsOndar_Calc(Workspace& ws);

// The Results buttons of the method dialogs, after the dialog has checked its
// fields, filled the working copy of its method and passed the multiple-seam
// check: the same run as the full one with the dialog's progress lines,
// window code and error texts ("Error KavoParm: ", "Error OndarParm: "). The
// retreat run also keeps the model codes in the ".grid" solver file. The
// temporary work file is deleted at the end in every case.
bool DialogRunKavo(Workspace& ws);
bool DialogRunOndar(Workspace& ws);

// Quiet runs for the parameter sweeps: no temporary work file, no reports,
// no windows; results stay in the working copies and the method and
// statistics results. PrepareRun must have run. True when the run completed.
bool CalculateResultsKavo(Workspace& ws);
bool CalculateResultsOndar(Workspace& ws);

// One quiet run of the working copy's mining mode (VeskWork.ActiveMiningMode).
bool SolveCase(Workspace& ws);

}  // namespace vesk
