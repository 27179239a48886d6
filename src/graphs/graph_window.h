#pragma once
#include <QMainWindow>

namespace vesk {

struct Workspace;
class GraphChartWidget;

// The chart window of the design graphs: draws ws.Graph with the graph
// settings and exports the curves.
class GraphWindow : public QMainWindow {
    Q_OBJECT
public:
    GraphWindow(Workspace& ws, QWidget* owner);

private:
    void exportCurves();

    Workspace& ws_;
    GraphChartWidget* chart_ = nullptr;
};

}  // namespace vesk
