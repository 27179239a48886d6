#include "graphs/plotted_series.h"

#include "graphs/graph_kinds.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Average pillar stress (series 1) and the single-seam stress (series 2) of
// one .dat element row.
float AverageStressY(const Workspace& ws, const ProfileRow& row, int series) {
    const float avgPillarStress = row[4];
    if (series == 1) return avgPillarStress;
    const float divisor = ws.Run.StressAdjustDivisor;
    // The induced stress is a smeared value; the driver turns it into a pillar
    // stress by the same divisor, and leaves it as it is when there is none.
    const float induced = divisor > 0 ? static_cast<float>(row[5] / divisor) : row[5];
    const float singleSeam = static_cast<float>(avgPillarStress - induced);
    if (ws.Options.PlotSSstress == 1) return singleSeam;
    return singleSeam == 0 ? 0.0f : ws.Stress.DevStress;
}

}  // namespace

std::string SeriesLegendName(const Workspace& ws, int series) {
    const int kind = ws.Graph.GraphKind;
    if (kind >= 4) {
        return series >= 1 && series <= 2 ? Trimmed(ws.Graph.StressSeriesNames[series - 1]) : "";
    }
    return series >= 1 && series <= 4 ? Trimmed(ws.Graph.SeriesNames[series - 1]) : "";
}

std::vector<PlottedSeries> PlotSeries(const Workspace& ws) {
    const GraphData& g = ws.Graph;
    const int kind = g.GraphKind;
    std::vector<PlottedSeries> result;
    for (int i = 1; i <= g.GraphSeriesCount; ++i) {
        PlottedSeries series;
        series.Name = SeriesLegendName(ws, i);
        if (IsSweepKind(kind)) {
            for (int32_t j = 1; j <= g.GraphPointCount && j < static_cast<int32_t>(g.GraphTable.size()); ++j) {
                if (i <= 6) series.Points.emplace_back(g.GraphTable[j][0], g.GraphTable[j][i]);
            }
        } else {
            const bool metric = ws.Header.UnitSystem == 1;
            const int32_t points = IsDetailKind(kind) ? ws.Model.CriticalElement : g.GraphPointCount;
            const int32_t firstRow = IsDetailKind(kind) ? ws.Model.CriticalElement / 2 : 0;
            const std::vector<ProfileRow>& rows = ws.Model.CriticalSeam == 1 ? g.ProfileRowsA : g.ProfileRowsB;
            for (int32_t j = 1; j <= points; ++j) {
                const int32_t r = firstRow + j;
                if (r >= static_cast<int32_t>(g.ProfileX.size())) break;  // past the last element
                float x = g.ProfileX[r];
                float y = 0;
                if (kind == 4 || kind == 5) {
                    if (r >= static_cast<int32_t>(rows.size())) break;
                    y = AverageStressY(ws, rows[r], i);
                } else {
                    if (r >= static_cast<int32_t>(g.ProfilePairs.size())) break;
                    y = i == 1 ? g.ProfilePairs[r][2] : g.ProfilePairs[r][1];
                }
                if (metric) {
                    x = static_cast<float>(x / FeetPerMetre);
                    y = static_cast<float>(y / PsiPerMPa);
                }
                series.Points.emplace_back(x, y);
            }
        }
        result.push_back(std::move(series));
    }
    return result;
}

}  // namespace vesk
