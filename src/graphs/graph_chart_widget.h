#pragma once
#include <QtCharts/QChartView>
#include <vector>

#include "graphs/plotted_series.h"

namespace vesk {

struct Settings;

// The one place that builds charts: curves, axis titles, grid lines, header,
// legend and the line/symbol style from the graph settings.
class GraphChartWidget : public QChartView {
    Q_OBJECT
public:
    explicit GraphChartWidget(QWidget* parent = nullptr);
    void showGraph(const std::vector<PlottedSeries>& series, const Settings& settings, int kind);
};

}  // namespace vesk
