#pragma once
#include <cstdint>
#include <string>

namespace vesk {

struct Workspace;

// The retreat report pages, written after OndarCalculate (and, for metric
// projects, after OndarToProjectUnits), once per run and in this order:
// page 2 stability factors and warnings (it also sets the output units and
// converts the results to them), page 3 the active mining zone, page 4 the
// pillars, page 5 the barrier pillars, page 6 the remnants and leave pillars.
void OndarReportStabilityFactors(Workspace& ws);
void OndarReportAMZData(Workspace& ws);
void OndarReportPillars(Workspace& ws);
void OndarReportBarriers(Workspace& ws);
void OndarReportRemnantsAndLeave(Workspace& ws);

// Chooses the load and stress suffixes of the pages and, for English
// projects, converts the loads (lbs to tons) and strengths (psf to psi) by
// the output options. Converts only once after each calculation.
void OndarSetReportUnits(Workspace& ws);

// The text of report warning `number` (1 and 3..14; 2 needs the depth and is
// formed by the report) for the unit system; the input dialog shows 8..13
// after "Warning: ". An unknown number gives "".
std::string OndarWarningText(int number, int16_t unitSystem);

// All five pages in their order.
void OndarWriteReport(Workspace& ws);

}  // namespace vesk
