#pragma once
#include <cstdint>

namespace vesk {

struct Workspace;

// The longwall gate-entry pillar method. Every routine works on ws.KavoWork
// (in English units: the caller converts a metric project first, see
// kavo_units.h) and keeps its state and results in ws.Kavo; the development
// stress goes to ws.Stress.DevStress. The multiple-seam stress increment is
// read from ws.Run.avgMultiSeamStress (psi).
//
// Arithmetic faults that the input check cannot keep away (a division by zero,
// a value beyond single precision) throw std::runtime_error with the text
// "Division by zero" or "Overflow"; the caller reports them and the results
// of the run are then incomplete.

// Loading condition names as the reports print them, [1..5].
inline constexpr const char* KavoConditionLabels[6] = {"",
                                                       "    Development Loading",
                                                       "    Headgate Loading",
                                                       "    Bleeder Loading",
                                                       "*** Tailgate Loading",
                                                       "    Isolated Loading"};

// Copies the working inputs into ws.Kavo, forms the sizing factors and returns
// KavoCheckInputs. False: a message was shown and nothing else may run.
bool KavoLoadModelInputs(Workspace& ws);

// Checks the working inputs; shows the first failure's message (the advanced
// geometry checks show every failure) and returns false on any failure.
bool KavoCheckInputs(Workspace& ws);

// Pillar dimensions, then the classic and the R pass: capacities, the five
// loads and every stability factor. A non-zero progressFlag appends one
// "SS Stress" line per loading condition to the progress box.
void KavoCalculate(Workspace& ws, int16_t progressFlag);

// The two steps of KavoCalculate. Mode is always 1 (standard geometry);
// ws.Kavo.ClassicPass selects the pass.
void KavoPillarDimensions(Workspace& ws);
void KavoCapacitiesAndFactors(Workspace& ws, int16_t mode, int16_t progressFlag);

}  // namespace vesk
