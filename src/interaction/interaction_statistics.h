#pragma once
#include <string>

#include "analysis/stress_summary.h"
#include "interaction/interaction_inputs.h"
#include "interaction/interaction_results.h"

namespace vesk {

struct Workspace;

// One evaluation of the statistical relations: the critical interburden (ft)
// and the allowable total vertical stress (psi) from the linear or the
// exponential model, whichever applies.
struct InterburdenEstimate {
    float CriticalInterburden = 0;
    float AllowableStress = 0;
    bool Exponential = false;  // true when the exponential pair was taken
};

// Evaluates the relations for a total vertical stress (psi) with or without a
// pattern of supplemental roof support. Throws std::runtime_error when the
// roof rating is not above 20 or the interburden is not positive (the
// logarithms of both are taken).
InterburdenEstimate EstimateCriticalInterburden(const InteractionInputs& in, float totalStress,
                                                bool supplementalSupport);

// Which verdict lines page 1 prints for one case: critical interburden
// without (ci1) and with (ci2) supplemental support against the actual
// interburden. Yellow and red lines exist only for cases the report shows
// in full.
struct PredictedLines {
    bool Green = false;
    bool Yellow = false;
    bool Red = false;
    InteractionVerdict verdict() const;
};
PredictedLines PredictConditions(float ci1, float ci2, float interburden, bool fullCase);

// The suggested multiple-seam stability factors.
double SuggestedRetreatSF(const InteractionInputs& in);
float SuggestedTailgateSF(float cmrr);

// Tailgate abutment and total stress of a longwall run, from the
// development-case stresses and factors (psi). Throws std::runtime_error when
// the tailgate factor is 0.
StressSummary LongwallStressSummary(float devStress, float devTotalStress, float devSFMS, float tailgateSFMS);

// The whole statistics from the plain inputs: the four evaluations, the
// suggested factors and the verdicts. HasRetreatChart is left alone (it is a
// report value).
InteractionResults ComputeInteraction(const InteractionInputs& in);

// Report page 1 for the inputs and their results.
std::string InteractionReport(const InteractionInputs& in, const InteractionResults& results);

// Gathers the inputs from the workspace at the end of a run: the working
// copies, the active method's results, the shared stress summary and the
// multiple-seam stress. Lengths of a metric project are turned into feet.
InteractionInputs GatherInteractionInputs(const Workspace& ws);

// Runs the statistics at the end of a calculation: fills ws.Interaction and,
// unless ws.Run.QuietRun is -1, sets the longwall stress summary and
// HasRetreatChart and replaces report page 1 (ws.OutBuf[1]). Throws
// std::runtime_error as EstimateCriticalInterburden does, before anything is
// changed.
void InteractionStatistics(Workspace& ws);

}  // namespace vesk
