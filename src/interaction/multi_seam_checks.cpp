#include "interaction/multi_seam_checks.h"

#include <string>

#include "analysis/messages.h"
#include "project/workspace.h"

namespace vesk {

namespace {

bool Fail(Workspace& ws, const char* fault) {
    ShowMessage(ws, std::string("Check Vesk Parameters. ") + fault);
    return false;
}

}  // namespace

bool ValidateMultiSeamInputs(Workspace& ws) {
    const VeskParams& v = ws.VeskWork;
    // Written as "not valid" so that a value that is not a number fails too.
    if (!(v.InterburdenThickness > 0)) return Fail(ws, "Invalid interburden thickness");
    if (!(v.SeamThickness > 0)) return Fail(ws, "Invalid seam thickness");
    if (!(v.ActiveSeamCMRR > 20 && v.ActiveSeamCMRR <= 100))
        return Fail(ws, "Invalid CMRR. CMRR should be between 20 and 100");
    if (!(v.AgeOfWorkings >= 0)) return Fail(ws, "Invalid age of older workings");
    if (v.PreviousMining == 1) {
        if (!(v.RemnantWidth > 0)) return Fail(ws, "Invalid remnant width");
        if (!(v.GobWidth1 > 0)) return Fail(ws, "Invalid width of Gob 1");
        if (!(v.GobWidth2 > 0)) return Fail(ws, "Invalid width of Gob 2");
    } else {
        if (!(v.GobWidth > 0)) return Fail(ws, "Invalid gob width");
    }
    return true;
}

}  // namespace vesk
