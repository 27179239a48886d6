#include "cli/cli_calc_keys.h"
#include "project/workspace.h"

namespace vesk::cli {

void AddLongwallKeys(const Workspace& ws, CalcJson& out) {
    const KavoModelState& k = ws.Kavo;
    out["KavoSF"] = JsonArray(k.KavoSF, 5);
    out["KavoSFR"] = JsonArray(k.KavoSFR, 5);
    out["KavoSFMS"] = JsonArray(k.KavoSFMS, 5);
    out["KavoSFRMS"] = JsonArray(k.KavoSFRMS, 5);
    out["KavoTotalStress"] = JsonArray(k.KavoTotalStress, 5);
    out["KavoLoads"] = JsonArray(k.KavoLoads, 5);  // lb per ft of gate entry
}

}  // namespace vesk::cli
