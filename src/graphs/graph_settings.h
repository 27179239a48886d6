#pragma once

namespace vesk {

struct Workspace;

// Axis titles with the unit suffixes of the current unit system, the header
// "Vesk", no grid lines, lines and symbols, the legend, symbol size 5, and the
// graph units set to the current unit system.
void ResetGraphSettings(Workspace& ws);

// The options dialog's reset: nothing when the user keeps the last used
// format; otherwise titles, style, legend and symbol size go back to the
// defaults while the grid style and the graph units stay.
void SetGraphParms(Workspace& ws);

// Prepares the settings for showing a graph of this kind: renews every title
// when the kind's X title is empty or the unit system changed since the titles
// were made.
void PrepareGraphSettings(Workspace& ws, int kind);

}  // namespace vesk
