#include <QApplication>

#include "analysis/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vesk::MainWindow window;
    window.show();
    return app.exec();
}
