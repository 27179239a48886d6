#include "graphs/graph_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenuBar>

#include "analysis/messages.h"
#include "graphs/graph_chart_widget.h"
#include "graphs/graph_export.h"
#include "graphs/graph_settings.h"
#include "graphs/plotted_series.h"
#include "project/workspace.h"

namespace vesk {

GraphWindow::GraphWindow(Workspace& ws, QWidget* owner) : QMainWindow(owner, Qt::Window), ws_(ws) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Graph");
    chart_ = new GraphChartWidget(this);
    setCentralWidget(chart_);
    const int kind = ws.Graph.GraphKind;
    PrepareGraphSettings(ws, kind);
    chart_->showGraph(PlotSeries(ws), ws.Options, kind);

    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("Export", this, &GraphWindow::exportCurves);
    file->addAction("E&xit", this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->addAction("Copy ", QKeySequence("Ctrl+C"), this,
                    [this] { QApplication::clipboard()->setPixmap(chart_->grab()); });
    resize(760, 560);
}

void GraphWindow::exportCurves() {
    const QString path = QFileDialog::getSaveFileName(this, "Export", QString::fromStdString(ws_.Options.DataPath),
                                                      "Spreadsheet (*.xlsx);;CSV (*.csv)");
    if (path.isEmpty()) return;
    const std::vector<PlottedSeries> series = PlotSeries(ws_);
    std::string error;
    const bool ok = path.endsWith(".csv", Qt::CaseInsensitive) ? ExportGraphCsv(series, path.toStdString(), error)
                                                                : ExportGraphXlsx(series, path.toStdString(), error);
    ShowMessage(ws_, ok ? ExportedMessage(series.size()) : error);
}

}  // namespace vesk
