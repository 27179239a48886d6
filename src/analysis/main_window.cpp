#include "analysis/main_window.h"

#include <QMenuBar>

namespace vesk {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Vesk: Untitled");
    buildMenus();
    resize(900, 600);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("E&xit", this, &QWidget::close);
    menuBar()->addMenu("&Edit");
    menuBar()->addMenu("&Output");
    menuBar()->addMenu("&Graph");
    menuBar()->addMenu("&Utilities");
    menuBar()->addMenu("&Help");
}

}  // namespace vesk
