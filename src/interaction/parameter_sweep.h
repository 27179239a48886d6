#pragma once
#include <string>

namespace vesk {

struct Workspace;

// Legend names of the graph kind for the mining method (0 longwall, 1 room
// and pillar) into ws.Graph.SeriesNames and StressSeriesNames.
void SeriesLabels(Workspace& ws, int kind, int method);

enum class GraphRunStatus { Done, PrepareFailed, Cancelled, Failed, InvalidKind };

struct GraphRunResult {
    GraphRunStatus Status = GraphRunStatus::Done;
    std::string Error;  // what failed, for Failed
    bool ok() const { return Status == GraphRunStatus::Done; }
};

// The graph runner of the main window's Graph menu: prepares the working
// copies, then fills ws.Graph for the kind — kinds 0..3 by a sweep of quiet
// calculations over depth of cover or crosscut spacing, kinds 4..7 from the
// stress profiles of one quiet calculation. Progress lines go to the progress
// box; the user can cancel between steps. A sweep that fails or is cancelled
// leaves no graph (GraphSeriesCount 0), never a partial one. The swept field
// stays at its last value; the next run refreshes the working copies.
GraphRunResult RunGraphFromMenu(Workspace& ws, int kind);

// The same from a results window: the working copies of the run that filled
// the window are used as they are, without progress lines.
GraphRunResult RunGraphFromResults(Workspace& ws, int kind, const std::string& owner);

}  // namespace vesk
