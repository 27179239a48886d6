#include "analysis/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "analysis/calculation_driver.h"
#include "analysis/messages.h"
#include "analysis/results_window.h"
#include "graphs/graph_kinds.h"
#include "graphs/graph_window.h"
#include "interaction/parameter_sweep.h"
#include "project/data_folders.h"
#include "project/startup.h"

namespace vesk {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    ui_.setParent(this);
    workspace_.Paths = DesktopDataPaths();
    StartUpSettings(workspace_);
    buildCentralArea();
    buildMenus();
    resize(960, 680);
}

MainWindow::~MainWindow() = default;

FileCommandHooks MainWindow::hooks() {
    FileCommandHooks h = SettingsFileHooks();
    h.ChooseSavePath = [this](Workspace& ws, std::string& path) {
        const QString ext = QString::fromStdString(ws.Options.FileExtension);
        const QString chosen = QFileDialog::getSaveFileName(
            this, "Save As", QString::fromStdString(path.empty() || path == UntitledFileName ? ws.Options.DataPath : path),
            QString("VESK Files (*.%1);;All Files (*)").arg(ext));
        if (chosen.isEmpty()) return false;
        path = chosen.toStdString();
        return true;
    };
    return h;
}

void MainWindow::buildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layoutPicture_ = new QLabel("Vesk\nMultiple-seam pillar design", central);
    layoutPicture_->setAlignment(Qt::AlignCenter);
    QFont big = layoutPicture_->font();
    big.setPointSize(18);
    layoutPicture_->setFont(big);
    progress_ = new QPlainTextEdit(central);
    progress_->setReadOnly(true);
    progress_->setObjectName("progressBox");
    progress_->hide();
    history_ = new QPlainTextEdit(central);
    history_->setReadOnly(true);
    history_->setObjectName("historyWindow");
    history_->setMaximumHeight(110);
    history_->setStyleSheet("background: #d8d8d8;");
    layout->addWidget(layoutPicture_, 1);
    layout->addWidget(progress_, 1);
    layout->addWidget(history_);
    setCentralWidget(central);
    ui_.setProgressBox(progress_);
    history_->setVisible(workspace_.Options.DisplayHistoryWin != 0);
}

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu("&File");
    fileMenu_->addAction("&New", QKeySequence("Ctrl+N"), this, &MainWindow::newProject);
    fileMenu_->addAction("&Open...", QKeySequence("Ctrl+O"), this, &MainWindow::openWithDialog);
    fileMenu_->addAction("&Save", QKeySequence("Ctrl+S"), this, [this] { save(false); });
    fileMenu_->addAction("Save &As...", this, [this] { save(true); });
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 0; i < RecentFiles::MaxEntries; ++i) {
        QAction* a = fileMenu_->addAction(QString(), this, [this, i] {
            OpenRecentFileCommand(workspace_, i, hooks());
            refreshCaption();
            refreshRecentFiles();
            refreshHistory();
        });
        recentActions_.append(a);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction("E&xit", this, &QWidget::close);

    QMenu* output = menuBar()->addMenu("&Output");
    output->addAction("&Calculate Stability Factors...", this, &MainWindow::calculate);
    QMenu* graph = output->addMenu("Graph");
    for (int kind = 0; kind < GraphKindCount; ++kind) {
        graph->addAction(QString::fromStdString(GraphKindNames[kind]), this, [this, kind] { showGraph(kind); });
    }

    QMenu* utilities = menuBar()->addMenu("&Utilities");
    QAction* clear = utilities->addAction("Clear History Window", this, [this] {
        workspace_.History.Text.clear();
        refreshHistory();
    });
    historyToggle_ = utilities->addAction("Close History &Window", this, [this] {
        const bool show = !history_->isVisible();
        history_->setVisible(show);
        historyToggle_->setText(show ? "Close History &Window" : "Restore History &Window");
        historyCopy_->setEnabled(show);
    });
    historyCopy_ = utilities->addAction("Copy History Window", this, [this] {
        if (history_->isVisible()) QApplication::clipboard()->setText(history_->toPlainText());
    });
    const bool historyOn = workspace_.Options.DisplayHistoryWin != 0;
    for (QAction* a : {clear, historyToggle_, historyCopy_}) a->setEnabled(historyOn);

    menuBar()->addMenu("&Help")->addAction("&About Vesk", this, [this] {
        ShowMessage(workspace_, "Vesk: multiple-seam pillar stability for underground coal mines.");
    });
    refreshRecentFiles();
}

void MainWindow::startProjects(const std::string& commandLine) {
    StartUpProjects(workspace_, commandLine, hooks());
    refreshCaption();
    refreshRecentFiles();
    refreshHistory();
}

void MainWindow::refreshCaption() { setWindowTitle(QString::fromStdString(MainWindowCaption(workspace_, "Vesk"))); }

void MainWindow::refreshHistory() {
    history_->setPlainText(QString::fromStdString(workspace_.History.Text).remove('\r'));
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

void MainWindow::refreshRecentFiles() {
    const RecentFiles& recent = workspace_.Recent;
    bool any = false;
    for (int i = 0; i < recentActions_.size(); ++i) {
        const RecentFileEntry& e = recent.Entries[static_cast<size_t>(i)];
        const bool shown = i < recent.Count && !e.ShortName.empty();
        const std::string& caption = workspace_.Options.ShortRecentFiles ? e.ShortName : e.LongName;
        recentActions_[i]->setText(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(caption)));
        recentActions_[i]->setVisible(shown);
        any = any || shown;
    }
    recentSeparator_->setVisible(any);
}

void MainWindow::newProject() {
    FileNew(workspace_, true, true);
    refreshCaption();
    refreshHistory();
}

bool MainWindow::openProject(const QString& path) {
    const bool ok = OpenProjectCommand(workspace_, path.toStdString(), hooks());
    refreshCaption();
    refreshRecentFiles();
    refreshHistory();
    return ok;
}

void MainWindow::openWithDialog() {
    const QString ext = QString::fromStdString(workspace_.Options.FileExtension);
    const QString path = QFileDialog::getOpenFileName(this, "Open", QString::fromStdString(workspace_.Options.DataPath),
                                                      QString("VESK Files (*.%1);;All Files (*)").arg(ext));
    if (!path.isEmpty()) openProject(path);
}

void MainWindow::save(bool forceDialog) {
    SaveProjectCommand(workspace_, forceDialog, hooks());
    refreshCaption();
    refreshRecentFiles();
    refreshHistory();
}

void MainWindow::calculate() {
    progress_->clear();
    progress_->setVisible(workspace_.Options.Jirn2DViewProgOutput != 0);
    layoutPicture_->setVisible(!progress_->isVisible());
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = Calculate(workspace_);
    QApplication::restoreOverrideCursor();
    progress_->hide();
    layoutPicture_->show();
    setEnabled(true);
    refreshHistory();
    if (ok) showResults();
}

void MainWindow::showResults() {
    const bool retreat = workspace_.VeskWork.ActiveMiningMode == 1;
    auto* window = new ResultsWindow(workspace_, retreat ? "Ondar Results" : KavoResultsCaption, this);
    connect(window, &ResultsWindow::graphRequested, this, [this, window](int kind) {
        const GraphRunResult result =
            RunGraphFromResults(workspace_, kind, workspace_.VeskWork.ActiveMiningMode == 1 ? "frmResTxtPltOndar" : "frmResTxtPltKavo");
        refreshHistory();
        if (result.ok()) (new GraphWindow(workspace_, window))->show();
    });
    window->show();
}

void MainWindow::showGraph(int kind) {
    progress_->clear();
    progress_->setVisible(workspace_.Options.Jirn2DViewProgOutput != 0);
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const GraphRunResult result = RunGraphFromMenu(workspace_, kind);
    QApplication::restoreOverrideCursor();
    progress_->hide();
    setEnabled(true);
    refreshHistory();
    if (result.Status == GraphRunStatus::Failed && !result.Error.empty()) ShowMessage(workspace_, result.Error);
    if (result.ok()) (new GraphWindow(workspace_, this))->show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ConfirmCloseProject(workspace_, hooks())) {
        event->ignore();
        return;
    }
    ShutDown(workspace_);
    event->accept();
}

}  // namespace vesk
