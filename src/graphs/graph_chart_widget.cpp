#include "graphs/graph_chart_widget.h"

#include <QtCharts/QChart>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "project/settings.h"

namespace vesk {
namespace {

// Series colours 1..6 of the design graphs.
const QColor kSeriesColors[] = {QColor(0, 0, 255), QColor(205, 92, 92), QColor(0, 0, 0),
                                QColor(0, 100, 0),  QColor(4, 0, 0),    QColor(5, 0, 0)};

}  // namespace

GraphChartWidget::GraphChartWidget(QWidget* parent) : QChartView(parent) { setRenderHint(QPainter::Antialiasing); }

void GraphChartWidget::showGraph(const std::vector<PlottedSeries>& series, const Settings& settings, int kind) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromStdString(settings.GraphTitle));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSize(15);
    chart->setTitleFont(titleFont);

    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    xAxis->setTitleText(QString::fromStdString(settings.XAxisTitle[static_cast<size_t>(kind)]));
    yAxis->setTitleText(QString::fromStdString(settings.YAxisTitle[static_cast<size_t>(kind)]));
    yAxis->setGridLineVisible(settings.GridStyle == 1 || settings.GridStyle == 3);
    xAxis->setGridLineVisible(settings.GridStyle == 2 || settings.GridStyle == 3);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    const bool lines = settings.GraphStyle == 1 || settings.GraphStyle == 3;
    const bool symbols = settings.GraphStyle == 2 || settings.GraphStyle == 3;
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    bool first = true;
    for (size_t i = 0; i < series.size(); ++i) {
        const QColor color = kSeriesColors[i % 6];
        auto add = [&](QXYSeries* s, bool inLegend) {
            for (const auto& [x, y] : series[i].Points) {
                s->append(x, y);
                if (first) {
                    xMin = xMax = x;
                    yMin = yMax = y;
                    first = false;
                }
                xMin = std::min<double>(xMin, x);
                xMax = std::max<double>(xMax, x);
                yMin = std::min<double>(yMin, y);
                yMax = std::max<double>(yMax, y);
            }
            s->setName(QString::fromStdString(series[i].Name));
            chart->addSeries(s);
            s->attachAxis(xAxis);
            s->attachAxis(yAxis);
            if (!inLegend) chart->legend()->markers(s).front()->setVisible(false);
        };
        if (lines) {
            auto* line = new QLineSeries;
            line->setPen(QPen(color, 3));
            add(line, true);
        }
        if (symbols) {
            auto* dots = new QScatterSeries;
            dots->setColor(color);
            dots->setBorderColor(color);
            dots->setMarkerSize(settings.SymbolSize * 2);
            add(dots, !lines);
        }
    }
    const double xPad = xMax > xMin ? (xMax - xMin) * 0.05 : 1;
    const double yPad = yMax > yMin ? (yMax - yMin) * 0.05 : 1;
    xAxis->setRange(xMin - xPad, xMax + xPad);
    yAxis->setRange(yMin - yPad, yMax + yPad);
    chart->legend()->setVisible(settings.CurveLegend == 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

}  // namespace vesk
