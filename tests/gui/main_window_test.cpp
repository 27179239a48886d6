#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <cstdlib>

#include "analysis/main_window.h"
#include "analysis/results_window.h"
#include "graphs/graph_window.h"
#include "interaction/parameter_sweep.h"
#include "support/test_support.h"

namespace vesk {
namespace {

// The windows need a QApplication and a home folder of their own (the data
// folder and the settings file live there).
class GuiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static test::TempDir home;
        setenv("HOME", home.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home.path() / ".config").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    static std::string Example(const char* name) { return (test::ExamplesDir() / name).string(); }
};

TEST_F(GuiTest, MainWindowHasTheProgramMenusAndShowsTheOpenFile) {
    MainWindow window;
    window.startProjects("");
    QStringList menus;
    for (QAction* a : window.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Output", "&Utilities", "&Help"}));
    EXPECT_EQ(window.windowTitle(), "Vesk: Untitled");

    ASSERT_TRUE(window.openProject(QString::fromStdString(Example("Longwall_Gob_Over.VSK"))));
    EXPECT_TRUE(window.windowTitle().endsWith("Longwall_Gob_Over.VSK"));
    EXPECT_FALSE(window.windowTitle().endsWith("*"));
}

TEST_F(GuiTest, ResultsWindowShowsEveryPageAndAsksForGraphs) {
    MainWindow window;
    window.startProjects("\"" + Example("Longwall_Gob_Over.VSK") + "\"");
    Workspace& ws = window.workspace();
    ws.OutBuf = {"echo\r\n", "statistics\r\n", "factors\r\n", "loads\r\n", "capacities\r\n", "", ""};
    ResultsWindow results(ws, "Results", &window);
    auto* pages = results.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->count(), 5);
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(pages->widget(2))->toPlainText(), "factors\n");

    QSignalSpy spy(&results, &ResultsWindow::graphRequested);
    for (QPushButton* b : results.findChildren<QPushButton*>()) {
        if (b->text() == "&Graph") b->click();
    }
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 0);
}

TEST_F(GuiTest, GraphWindowDrawsTheSweepCurves) {
    MainWindow window;
    window.startProjects(Example("Longwall_Gob_Over.VSK"));
    Workspace& ws = window.workspace();
    ASSERT_TRUE(RunGraphFromMenu(ws, 2).ok());
    GraphWindow graph(ws, &window);
    auto* view = graph.findChild<QChartView*>();
    ASSERT_NE(view, nullptr);
    // Two curves, each drawn as a line and as symbols.
    EXPECT_EQ(view->chart()->series().size(), 4);
    EXPECT_EQ(view->chart()->title(), "Vesk");
}

}  // namespace
}  // namespace vesk
