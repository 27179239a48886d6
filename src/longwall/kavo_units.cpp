#include "longwall/kavo_units.h"

#include "project/project_records.h"
#include "project/workspace.h"

namespace vesk {

void KavoToEnglishUnits(Workspace& ws) {
    // A conversion still pending must not be replaced by a snapshot of the
    // converted values, or the way back would keep English units.
    if (ws.Kavo.UnitsSnapshot.Converted) return;
    ws.Kavo.UnitsSnapshot = ToEnglishUnits(ws, 0);
}

void KavoToProjectUnits(Workspace& ws) {
    RestoreProjectUnits(ws, ws.Kavo.UnitsSnapshot);
    ws.Kavo.UnitsSnapshot.Converted = false;
}

}  // namespace vesk
