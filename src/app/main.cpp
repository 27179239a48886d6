#include <QApplication>
#include <QStringList>

#include "analysis/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vesk::MainWindow window;
    window.show();
    // At most one project path on the command line; quotes are removed.
    const QStringList args = QApplication::arguments().mid(1);
    window.startProjects(args.join(' ').toStdString());
    return app.exec();
}
