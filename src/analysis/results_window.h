#pragma once
#include <QWidget>

class QComboBox;
class QTabWidget;

namespace vesk {

struct Workspace;

// The results of a calculation: the report pages as tabs, and the graph list
// that runs a design graph from the run's working copies.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    ResultsWindow(Workspace& ws, const QString& caption, QWidget* owner);

signals:
    void graphRequested(int kind);

private:
    QTabWidget* pages_ = nullptr;
    QComboBox* graphs_ = nullptr;
};

}  // namespace vesk
