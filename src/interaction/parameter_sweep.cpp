#include "interaction/parameter_sweep.h"

#include "analysis/calculation_driver.h"
#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "graphs/graph_kinds.h"
#include "interaction/sweep_range.h"
#include "project/units.h"
#include "project/workspace.h"
#include "stresslink/solver_results.h"

namespace vesk {
namespace {

bool IsRoomAndPillar(const Workspace& ws) { return ws.VeskWork.ActiveMiningMode == 1; }

// The second case (tailgate loading or retreat) is collected for longwall
// always and for room and pillar when a retreat section exists.
bool CollectsSecondCase(const Workspace& ws) { return !IsRoomAndPillar(ws) || ws.OndarWork.LoadingCondition > 0; }

float SweepBase(const Workspace& ws, int kind) {
    const bool depth = kind == 0 || kind == 2;
    if (IsRoomAndPillar(ws)) {
        return static_cast<float>(depth ? ws.OndarWork.DepthOfCover : ws.OndarWork.CrosscutSpacing);
    }
    return depth ? ws.KavoWork.DepthOfCover : ws.KavoWork.CrosscutSpacing;
}

void SetSweptField(Workspace& ws, int kind, float x) {
    const bool depth = kind == 0 || kind == 2;
    if (IsRoomAndPillar(ws)) {
        (depth ? ws.OndarWork.DepthOfCover : ws.OndarWork.CrosscutSpacing) = x;
    } else {
        (depth ? ws.KavoWork.DepthOfCover : ws.KavoWork.CrosscutSpacing) = x;
    }
}

// One row of the sweep table after a quiet calculation. The critical
// interburden comes out of the statistics in feet; a metric project's graph
// labels its axis in metres, so the values are stored in metres there.
void CollectRow(Workspace& ws, int kind, std::array<float, 7>& row) {
    const InteractionResults& r = ws.Interaction;
    if (kind <= 1) {
        const bool metric = ws.Header.UnitSystem == 1;
        auto length = [metric](float feet) { return metric ? static_cast<float>(feet / FeetPerMetre) : feet; };
        row[1] = length(r.CriticalInterburdenDev[1]);
        row[2] = length(r.CriticalInterburdenDev[2]);
        row[3] = length(r.CriticalInterburdenRet[1]);
        row[4] = length(r.CriticalInterburdenRet[2]);
    } else if (IsRoomAndPillar(ws)) {
        row[1] = static_cast<float>(ws.Ondar.OndarSFMS[1]);
        row[2] = static_cast<float>(r.MinOndarSFMS);
    } else {
        row[1] = ws.Kavo.KavoSFMS[1];
        row[2] = ws.Kavo.KavoSFMS[4];
    }
}

int16_t SweepSeriesCount(const Workspace& ws, int kind) {
    const bool second = CollectsSecondCase(ws);
    if (kind <= 1) return second ? 4 : 2;
    if (IsRoomAndPillar(ws)) return second ? 2 : 1;
    return 2;
}

void ClearGraphData(Workspace& ws) {
    ws.Graph.GraphSeriesCount = 0;
    ws.Graph.GraphPointCount = 0;
    ws.Graph.GraphTable.clear();
}

GraphRunResult RunSweep(Workspace& ws, int kind, bool showProgress) {
    const SweepRange range = ComputeSweepRange(SweepBase(ws, kind), ws.Options.PlotRangeMin, ws.Options.PlotRangeMax);
    GraphData& g = ws.Graph;
    g.GraphTable.assign(static_cast<size_t>(std::max<int32_t>(range.TableRows, static_cast<int32_t>(range.Points.size()))) + 1,
                        std::array<float, 7>{});
    if (showProgress) {
        ws.Ui->appendProgress(std::string(CrLf) +
                              (kind == 0 || kind == 2 ? "Solving for Overburden..." : "Solving for Crosscut Spacing..."));
    }
    for (float x : range.Points) {
        if (ws.Ui->cancelRequested()) {
            ClearGraphData(ws);
            return {GraphRunStatus::Cancelled, ""};
        }
        SetSweptField(ws, kind, x);
        if (showProgress) ws.Ui->appendProgress(std::string(CrLf) + "Step=" + FormatGeneral(x));
        ws.Ui->processEvents();
        if (!SolveCase(ws)) {
            ClearGraphData(ws);
            return {GraphRunStatus::Failed, "The calculation at " + FormatGeneral(x) + " failed"};
        }
        g.GraphPointCount += 1;
        std::array<float, 7>& row = g.GraphTable[static_cast<size_t>(g.GraphPointCount)];
        row[0] = x;
        CollectRow(ws, kind, row);
    }
    g.GraphSeriesCount = SweepSeriesCount(ws, kind);
    return {};
}

GraphRunResult RunProfile(Workspace& ws, int kind, bool showProgress) {
    if (showProgress) ws.Ui->appendProgress(std::string(CrLf) + "Solving for Stress Distribution...");
    ws.Ui->processEvents();
    if (!SolveCase(ws)) {
        ClearGraphData(ws);
        return {GraphRunStatus::Failed, "The stress model calculation failed"};
    }
    std::string error;
    const bool read = kind >= 6 ? ReadCriticalProfile(ws, error) : ReadStressProfiles(ws, error);
    if (!read) {
        ClearGraphData(ws);
        return {GraphRunStatus::Failed, error};
    }
    ws.Graph.GraphPointCount = ws.Model.ElementCount;
    ws.Graph.GraphSeriesCount = 2;
    return {};
}

GraphRunResult RunGraph(Workspace& ws, int kind, bool showProgress) {
    ws.Graph.GraphPointCount = 0;
    ws.Graph.GraphSeriesCount = 0;
    ws.Graph.GraphTable.clear();
    ws.Graph.GraphKind = static_cast<int16_t>(kind);
    SeriesLabels(ws, kind, IsRoomAndPillar(ws) ? 1 : 0);
    return IsSweepKind(kind) ? RunSweep(ws, kind, showProgress) : RunProfile(ws, kind, showProgress);
}

}  // namespace

void SeriesLabels(Workspace& ws, int kind, int method) {
    std::array<std::string, 4>& names = ws.Graph.SeriesNames;
    const bool roomAndPillar = method == 1;
    if (kind == 0 || kind == 1) {
        names = {"Development", "Development with Extra Support", roomAndPillar ? "Retreat" : "Tailgate Loading",
                 roomAndPillar ? "Retreat with Extra Support" : "Tailgate Loading with Extra Support"};
    } else {
        names[0] = "Development";
        names[1] = roomAndPillar ? "Retreat" : "Tailgate Loading";
    }
    if (kind >= 4) ws.Graph.StressSeriesNames = {"Total Vertical Stress", "Single Seam Stress"};
}

GraphRunResult RunGraphFromMenu(Workspace& ws, int kind) {
    if (kind < 0 || kind >= GraphKindCount) return {GraphRunStatus::InvalidKind, "Invalid graph kind"};
    ws.Graph.GraphOwner = "frmMain";
    if (!PrepareRun(ws)) return {GraphRunStatus::PrepareFailed, ""};
    return RunGraph(ws, kind, true);
}

GraphRunResult RunGraphFromResults(Workspace& ws, int kind, const std::string& owner) {
    if (kind < 0 || kind >= GraphKindCount) return {GraphRunStatus::InvalidKind, "Invalid graph kind"};
    ws.Graph.GraphOwner = owner;
    return RunGraph(ws, kind, false);
}

}  // namespace vesk
