#include "graphs/graph_settings.h"

#include "graphs/graph_kinds.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {
namespace {

void ResetTitlesAndStyle(Workspace& ws) {
    Settings& s = ws.Options;
    const int units = ws.Header.UnitSystem == 1 ? 1 : 0;
    const std::string& length = UnitLabel[units][0];
    const std::string& stress = UnitLabel[units][1];
    for (int kind = 0; kind < GraphKindCount; ++kind) {
        s.XAxisTitle[kind] = DefaultXAxisTitles[kind] + length;
        std::string suffix;
        if (kind <= 1) suffix = length;
        if (kind >= 4) suffix = stress;
        s.YAxisTitle[kind] = DefaultYAxisTitles[kind] + suffix;
    }
    s.GraphTitle = "Vesk";
    s.GraphStyle = 3;
    s.CurveLegend = 1;
    s.SymbolSize = 5;
}

}  // namespace

void ResetGraphSettings(Workspace& ws) {
    ResetTitlesAndStyle(ws);
    ws.Options.GridStyle = 0;
    ws.Options.GraphUnits = ws.Header.UnitSystem;
}

void SetGraphParms(Workspace& ws) {
    if (ws.Options.GraphSetParams == 1) return;
    ResetTitlesAndStyle(ws);
}

void PrepareGraphSettings(Workspace& ws, int kind) {
    ws.Graph.GraphKind = static_cast<int16_t>(kind);
    if (kind < 0 || kind >= GraphKindCount) return;
    if (ws.Options.XAxisTitle[kind].empty() || ws.Options.GraphUnits != ws.Header.UnitSystem) {
        ResetGraphSettings(ws);
    }
}

}  // namespace vesk
