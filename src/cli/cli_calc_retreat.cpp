#include "cli/cli_calc_keys.h"
#include "project/workspace.h"

namespace vesk::cli {

// Results of the retreat method after a full run: the factors by stage (and
// the barrier factors by stage, then side), and the active mining zone's
// capacity and tributary load in the report's load unit (lbs or tons in
// English projects by the output option, kN in metric ones), its extraction
// ratio (a fraction) and the pressure arch factor of the model's last passes.
void AddRetreatKeys(const Workspace& ws, CalcJson& out) {
    const OndarModelState& o = ws.Ondar;
    out["OndarSF"] = JsonArray(o.OndarSF, 2);
    out["OndarSFMS"] = JsonArray(o.OndarSFMS, 2);
    CalcJson barriers = CalcJson::array();
    for (std::size_t stage = 1; stage <= 2; ++stage) barriers.push_back(JsonArray(o.BarrierSF[stage], 2));
    out["BarrierSF"] = barriers;
    out["AMZCapacity"] = JsonValue(o.AMZCapacity);
    out["TributaryLoad"] = JsonValue(o.TributaryLoad);
    out["ExtractionRatio"] = JsonValue(o.ExtractionRatio);
    out["WorkingArchFactor"] = JsonValue(o.WorkingArchFactor);
}

}  // namespace vesk::cli
