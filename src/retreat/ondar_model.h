#pragma once
#include <cstdint>

#include "project/ondar_params.h"

namespace vesk {

struct Workspace;

// The room-and-pillar retreat method. A run calls, in this order:
//   OndarToEnglishUnits (metric projects only, then UnitSystem = 0),
//   the stress model, OndarLoadModelInputs (stop when false),
//   OndarCalculate, OndarToProjectUnits (metric only, after UnitSystem = 1),
//   and the report writers of ondar_report.h (full runs only).
// The model state lives in ws.Ondar; the stress summary in ws.Stress.

// Working copy (ws.OndarWork and the lengths of ws.VeskWork) from metric to
// English units, in place.
void OndarToEnglishUnits(Workspace& ws);

// The exact way back for the same input fields, then the results of the last
// run (pillar dimensions, strengths, capacities and loads) to m, kPa and kN.
// The input fields are restored from their English values so that a field
// that held, say, 5.97 m before the run holds 5.97 again.
void OndarToProjectUnits(Workspace& ws);

// Fills ws.Ondar from ws.OndarWork and returns OndarCheckInputs.
bool OndarLoadModelInputs(Workspace& ws);

// Checks the working inputs; on the first failure shows its message and
// returns false.
bool OndarCheckInputs(Workspace& ws);

// Pillar geometry, strengths and capacities of the active mining zone, the
// leave rows and the side barriers from the model's inputs (the first step of
// every loading pass).
struct OndarModelState;
void OndarComputeCapacities(OndarModelState& model);

// The pressure arch factor of the model's own passes (feet).
float ModelArchFactor(const Workspace& ws);

// The automatic pressure arch factor on project units: depth and panel width
// (sum of the centre distances) in the project's unit system.
float AutoArchFactor(float depth, float panelWidth, int16_t unitSystem);

// The same for the retreat inputs of a project (sum of the first
// NumberOfEntries - 1 centre distances).
float AutoArchFactor(const OndarParams& params, int16_t unitSystem);

// The automatic breadth of the active mining zone: 5 x sqrt(depth in ft),
// truncated, in the project's length unit; 0 for a negative depth.
int32_t AutoAMZBreadth(float depth, int16_t unitSystem);

// A stability factor rounded to 2 decimals, ties to even.
float RoundForReport(double value);

// The four loading passes (arch factor 1 for Development and Retreat, then
// the model's arch factor). progressFlag non-zero writes the "SS Stress"
// lines to the progress box. Reads ws.Run.avgMultiSeamStress (psi).
// Throws std::runtime_error("Division by zero") when a pass divides by zero;
// the driver's error handler reports it.
void OndarCalculate(Workspace& ws, int16_t progressFlag);

// One pass with the current ws.Ondar.Stage, ArchMode and WorkingArchFactor.
void OndarLoadingPass(Workspace& ws, int16_t progressFlag);

// Stage labels: 1 "Development", 2 "Retreat".
const char* OndarStageLabel(int stage);

}  // namespace vesk
