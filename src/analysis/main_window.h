#pragma once
#include <QMainWindow>
#include <memory>

#include "analysis/qt_user_interface_gui.h"
#include "project/project_file.h"
#include "project/workspace.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace vesk {

// The main window: menus over the core's commands, the history window at the
// bottom and the progress box shown during calculations.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return workspace_; }
    // Start-up after the window exists: a new project, the last file, the
    // command-line file and the restore of an interrupted calculation.
    void startProjects(const std::string& commandLine);

    void newProject();
    bool openProject(const QString& path);
    void calculate();
    void showGraph(int kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildCentralArea();
    void refreshCaption();
    void refreshHistory();
    void refreshRecentFiles();
    void openWithDialog();
    void save(bool forceDialog);
    void showResults();
    FileCommandHooks hooks();

    QtUserInterface ui_;
    Workspace workspace_{ui_};
    QPlainTextEdit* history_ = nullptr;
    QPlainTextEdit* progress_ = nullptr;
    QLabel* layoutPicture_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QAction* historyToggle_ = nullptr;
    QAction* historyCopy_ = nullptr;
};

}  // namespace vesk
