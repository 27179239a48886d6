#include <gtest/gtest.h>

#include "analysis/recording_user_interface.h"
#include "interaction/parameter_sweep.h"
#include "project/data_folders.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

// Cancels the sweep once it has shown `steps` step lines.
class CancellingUi : public RecordingUserInterface {
public:
    int steps = 0;
    bool cancelRequested() override {
        int shown = 0;
        for (size_t p = progress.find("Step="); p != std::string::npos; p = progress.find("Step=", p + 1)) ++shown;
        return shown >= steps;
    }
};

class ParameterSweepTest : public ::testing::Test {
protected:
    void Open(Workspace& ws, const std::string& example) {
        ws.Paths = PrepareDataFolders(test::BinaryDir().string() + "/", dir.path().string() + "/",
                                      dir.path().string() + "/");
        StartUpSettings(ws);
        FileNew(ws, true, true);
        ws.Header.ProjectFileName = (test::ExamplesDir() / example).string();
        ASSERT_TRUE(FileOpen(ws));
    }
    test::TempDir dir;
};

TEST_F(ParameterSweepTest, SweepShowsStepsAndLeavesTheStoredProjectAlone) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    Open(ws, "Longwall_Gob_Over.VSK");
    const KavoParams stored = ws.KavoInput;
    const GraphRunResult r = RunGraphFromMenu(ws, 3);
    ASSERT_TRUE(r.ok()) << r.Error;
    EXPECT_NE(ui.progress.find("\r\nSolving for Crosscut Spacing...\r\nStep=" ), std::string::npos);
    EXPECT_EQ(ws.Graph.GraphSeriesCount, 2);
    EXPECT_EQ(ws.Graph.GraphPointCount, 6);
    EXPECT_EQ(ws.KavoInput, stored);
    // The swept field keeps the last value of the sweep.
    EXPECT_FLOAT_EQ(ws.KavoWork.CrosscutSpacing, stored.CrosscutSpacing * 1.5f);
    EXPECT_EQ(ws.Graph.SeriesNames[1], "Tailgate Loading");
}

TEST_F(ParameterSweepTest, CancelledSweepLeavesNoGraph) {
    CancellingUi ui;
    ui.steps = 2;
    Workspace ws(ui);
    Open(ws, "Longwall_Gob_Over.VSK");
    const GraphRunResult r = RunGraphFromMenu(ws, 0);
    EXPECT_EQ(r.Status, GraphRunStatus::Cancelled);
    EXPECT_EQ(ws.Graph.GraphSeriesCount, 0);
    EXPECT_EQ(ws.Graph.GraphPointCount, 0);
}

TEST_F(ParameterSweepTest, FailedPreparationChangesNothing) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    Open(ws, "Longwall_Gob_Over.VSK");
    ws.VeskInput.ActiveSeamCMRR = 10;  // refused by the multiple-seam input check
    ws.Graph.GraphKind = 5;
    EXPECT_EQ(RunGraphFromMenu(ws, 0).Status, GraphRunStatus::PrepareFailed);
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_EQ(ws.Graph.GraphKind, 5);
}

}  // namespace
}  // namespace vesk
