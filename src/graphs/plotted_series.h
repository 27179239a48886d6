#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vesk {

struct Workspace;

// One curve as the chart shows it: legend name and (x, y) points in the
// units of the axes.
struct PlottedSeries {
    std::string Name;
    std::vector<std::pair<float, float>> Points;
};

// The curves of the current graph (ws.Graph) with the values the chart plots:
// sweep tables as stored; stress profiles from the profile tables, the
// single-seam series by the plot option, converted to m and MPa in a metric
// project. The detail kinds show the rows around the critical element.
std::vector<PlottedSeries> PlotSeries(const Workspace& ws);

// The legend name of series i (1-based) for the current graph kind.
std::string SeriesLegendName(const Workspace& ws, int series);

}  // namespace vesk
