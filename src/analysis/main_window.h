#pragma once
#include <QMainWindow>
#include <memory>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"

namespace vesk {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    void buildMenus();

    RecordingUserInterface ui_;
    Workspace workspace_{ui_};
};

}  // namespace vesk
