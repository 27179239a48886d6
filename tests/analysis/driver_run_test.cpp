// The calculation driver around a stand-in solver: the stress read and its
// adjustment, progress lines, the temporary work file, and the metric
// working copy coming back exactly on every way out of a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/calculation_driver.h"
#include "analysis/recording_user_interface.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

// What the stand-in solver does: the status it returns and, when it writes
// its critical-parameter file, the text of that file.
struct FakeSolver {
    int32_t status = 0;
    bool writeResults = true;
    std::string vk1 = "       1200.5,           30,         1600";
    std::string lastInput;  // text of the last input file it was given
};
FakeSolver fake;

int32_t FakeVeskJirn(const char* inputPath) {
    std::string path = inputPath;
    fake.lastInput = test::ReadTextFile(path);
    if (fake.status == 0 && fake.writeResults) {
        test::WriteTextFile(path.substr(0, path.size() - 4) + ".vk1", fake.vk1);
    }
    return fake.status;
}

class DriverRunTest : public ::testing::Test {
protected:
    DriverRunTest() : ws(ui) {
        fake = FakeSolver{};
        ws.Solver.useEntryPoint(FakeVeskJirn);
        const std::string folder = dir.path().string() + "/";
        ws.Paths.AppFolder = folder;
        ws.Paths.UserDataFolder = folder;
        ws.Paths.UserTempFolder = folder;
        ws.Paths.SystemTempFolder = folder;
        ws.Paths.TempWorkFile = folder + "~tmpwork.VSK";
        ws.Options.iOptDir = 1;
        ws.Header.ProjectFileName = folder + "Mine.VSK";
        ws.State.NoData = 0;

        // A three-entry longwall gate road 60 ft above a gob.
        VeskParams& v = ws.VeskInput;
        v.InterburdenThickness = 60;
        v.SeamThickness = 6;
        v.GobWidth = 1000;
        v.ActiveSeamCMRR = 50;
        v.AgeOfWorkings = 20;
        KavoParams& k = ws.KavoInput;
        k.EntryHeight = 7;
        k.DepthOfCover = 750;
        k.PanelWidth = 1000;
        k.EntryWidth = 20;
        k.CrosscutSpacing = 120;
        k.NumberOfEntries = 3;
        k.EntryCenters = {0, 80, 80, 0, 0, 0};
    }

    // The same project in metric units, with values that a multiplication
    // and a division do not give back exactly.
    void MakeMetric() {
        ws.Header.UnitSystem = 1;
        VeskParams& v = ws.VeskInput;
        v.InterburdenThickness = 18.29f;
        v.SeamThickness = 1.83f;
        v.GobWidth = 304.8f;
        KavoParams& k = ws.KavoInput;
        k.EntryHeight = 2.13f;
        k.DepthOfCover = 228.6f;
        k.PanelWidth = 304.8f;
        k.EntryWidth = 5.97f;
        k.CrosscutSpacing = 36.58f;
        k.EntryCenters = {0, 24.38f, 24.38f, 0, 0, 0};
        k.CoalStrength = 900 / 145.0377f;
        k.UnitWeight = 162 / 6.3663022639200495f;
    }

    bool TempWorkFileExists() const { return std::filesystem::exists(ws.Paths.TempWorkFile); }

    std::string LastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().prompt; }

    test::TempDir dir;
    RecordingUserInterface ui;
    Workspace ws;
};

TEST_F(DriverRunTest, FullLongwallRunProgressAndResults) {
    ASSERT_TRUE(Calculate(ws)) << LastMessage();
    const std::string expected =
        "\r\nLoading Kavo parameters ..."
        "\r\nCreating Grid for Multiple Seam ..."
        "\r\nSaving Temporary File ..."
        "\r\nInvoking Multi Seam Calculations ..."
        "\r\nReading Multi Seam Stress ..."
        "\r\navgSingleSeamStress = 1200.5"
        "\r\navgMultiSeamStress = 30"
        "\r\navgMultiSeamStress adjusted= 40"
        "\r\nJirn2D-Vesk calculations completed"
        "\r\nCompiling output ... ";
    EXPECT_EQ(ui.progress.substr(0, expected.size()), expected);
    // Extraction ratio 2 x 20 / 160 = 0.25: the induced stress 30 psi is a
    // pillar stress of 40 psi.
    EXPECT_FLOAT_EQ(ws.Run.StressAdjustDivisor, 0.75f);
    EXPECT_FLOAT_EQ(ws.Run.avgSingleSeamStress, 1200.5f);
    EXPECT_FLOAT_EQ(ws.Run.avgMultiSeamStress, 40);
    EXPECT_EQ(ws.Run.QuietRun, 0);
    EXPECT_EQ(fake.lastInput.substr(0, fake.lastInput.find('\n')), "1,0.25,0,2,700,750,810,7,6,95,1");
    for (int page = 0; page <= 4; ++page) EXPECT_FALSE(ws.OutBuf[static_cast<size_t>(page)].empty()) << page;
    EXPECT_FALSE(TempWorkFileExists());
    EXPECT_TRUE(ui.messages.empty()) << LastMessage();
}

TEST_F(DriverRunTest, InducedStressAdjustment) {
    struct Case {
        const char* name;
        int16_t mode;
        float entryWidth;  // against centre distances of 80 ft
        const char* vk1;
        float expected;
        bool adjustedLine;
    };
    const Case cases[] = {
        // Entries as wide as the centre distance: divisor 0, no adjustment.
        {"longwall, divisor 0", 0, 80, "1200, 30, 0", 30, false},
        {"longwall keeps a negative stress", 0, 20, "1200, -30, 0", -40, true},
        {"retreat takes a negative stress as 0", 1, 20, "1200, -30, 0", 0, true},
        {"retreat, positive stress", 1, 20, "1200, 30, 0", 40, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingUserInterface caseUi;
        Workspace w(caseUi);
        w.Solver.useEntryPoint(FakeVeskJirn);
        w.Paths = ws.Paths;
        w.Options = ws.Options;
        w.Header = ws.Header;
        w.VeskWork = ws.VeskInput;
        w.VeskWork.ActiveMiningMode = c.mode;
        w.KavoWork = ws.KavoInput;
        w.KavoWork.EntryWidth = c.entryWidth;
        w.OndarWork.EntryWidth = c.entryWidth;
        w.OndarWork.CrosscutSpacing = 100;
        w.OndarWork.EntryCenters[1] = 80;
        fake.vk1 = c.vk1;
        SolveCase(w);
        EXPECT_FLOAT_EQ(w.Run.avgMultiSeamStress, c.expected);
        // Quiet runs print no stress lines; the full run's lines are checked
        // through a full run below.
        EXPECT_EQ(caseUi.progress.find("avgMultiSeamStress"), std::string::npos);
    }

    // The full run prints the adjusted line only when there is a divisor.
    ws.KavoInput.EntryWidth = 80;
    ws.KavoInput.CrosscutSpacing = 120;
    Calculate(ws);
    EXPECT_NE(ui.progress.find("avgMultiSeamStress = 30"), std::string::npos);
    EXPECT_EQ(ui.progress.find("adjusted"), std::string::npos);
    EXPECT_FLOAT_EQ(ws.Run.avgMultiSeamStress, 30);
}

TEST_F(DriverRunTest, MetricWorkingCopyComesBackOnEveryWayOut) {
    MakeMetric();
    struct Case {
        const char* name;
        void (*setup)(Workspace&, FakeSolver&);
        bool completes;
        const char* message;  // the last message shown, or "" for none
        bool tempFileStays;
    };
    const Case cases[] = {
        {"success", [](Workspace&, FakeSolver&) {}, true, "", false},
        {"grid generation error", [](Workspace& w, FakeSolver&) { w.KavoInput.EntryCenters[1] = 0; }, false,
         "Grid Generation Error: (Kavo) Invalid Crosscut Spacing or Center-to-Center Distance.", false},
        {"solver failure", [](Workspace&, FakeSolver& f) { f.status = 12; }, false,
         "Error in Solution Module: SOR-> Maximum Number of Iterations Reached", false},
        // A result file of the run before must not pass for this run's.
        {"no result file", [](Workspace&, FakeSolver& f) { f.writeResults = false; }, false, nullptr, true},
        {"unreadable result file", [](Workspace&, FakeSolver& f) { f.vk1 = "x, y, z"; }, false,
         "Error in CalculateResultsKavo_Calc: Type mismatch", true},
        {"method input check", [](Workspace& w, FakeSolver&) { w.KavoInput.PanelWidth = 0; }, false,
         "Invalid panel width", false},
    };
    const VeskParams veskBefore = ws.VeskInput;
    const KavoParams kavoBefore = ws.KavoInput;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake = FakeSolver{};
        ws.VeskInput = veskBefore;
        ws.KavoInput = kavoBefore;
        ui.messages.clear();
        c.setup(ws, fake);
        EXPECT_EQ(Calculate(ws), c.completes);
        EXPECT_EQ(ws.Header.UnitSystem, 1);
        EXPECT_EQ(ws.VeskWork, ws.VeskInput);
        EXPECT_EQ(ws.KavoWork, ws.KavoInput);
        if (c.message == nullptr)
            EXPECT_EQ(LastMessage().rfind("Error in CalculateResultsKavo_Calc: File not found", 0), 0u)
                << LastMessage();
        else
            EXPECT_EQ(LastMessage(), c.message);
        EXPECT_EQ(TempWorkFileExists(), c.tempFileStays);
        std::filesystem::remove(ws.Paths.TempWorkFile);
    }

    // The model was built in feet with the English cell size.
    fake = FakeSolver{};
    ws.VeskInput = veskBefore;
    ws.KavoInput = kavoBefore;
    ws.Options.CellSizeMetric = 3;
    ASSERT_TRUE(Calculate(ws));
    EXPECT_FLOAT_EQ(ws.Model.ElementWidth, 2);
    EXPECT_NEAR(ws.Model.SeamDepth[1], 750, 0.01);
    EXPECT_NEAR(ws.Model.SeamDepth[2], 810, 0.01);

    // Quiet runs restore the same way.
    ws.KavoWork.DepthOfCover = 240.03f;
    const KavoParams swept = ws.KavoWork;
    EXPECT_TRUE(SolveCase(ws));
    EXPECT_EQ(ws.KavoWork, swept);
    EXPECT_EQ(ws.Header.UnitSystem, 1);
    fake.status = 4;
    EXPECT_FALSE(SolveCase(ws));
    EXPECT_EQ(ws.KavoWork, swept);
    EXPECT_EQ(ws.Header.UnitSystem, 1);
}

TEST_F(DriverRunTest, RetreatRunWithMetricProjectReturnsToProjectUnits) {
    ws.Header.UnitSystem = 1;
    ws.VeskInput.ActiveMiningMode = 1;
    ws.VeskInput.InterburdenThickness = 18.29f;
    ws.VeskInput.SeamThickness = 1.83f;
    ws.VeskInput.GobWidth = 304.8f;
    OndarParams& o = ws.OndarInput;
    o.EntryHeight = 1.83;
    o.DepthOfCover = 182.88;
    o.EntryWidth = 5.97;
    o.CrosscutSpacing = 24.38;
    o.NumberOfEntries = 5;
    o.EntryCenters = {0, 21.34, 21.34, 21.34, 21.34, 0, 0, 0, 0, 0};
    o.CoalStrength = 900 / 145.0377;
    o.UnitWeight = 162 / 6.3663022639200495;
    o.AMZBreadth = 37;
    ASSERT_TRUE(Calculate(ws)) << LastMessage();
    EXPECT_NE(
        ui.progress.find("\r\nLoading Ondar parameters ...\r\nCreating Grid for Multiple Seam ...\r\nSaving "
                         "Temporary Files ...\r\nInvoking Multiple Seam Calculations ..."),
        std::string::npos);
    EXPECT_EQ(ws.Header.UnitSystem, 1);
    EXPECT_EQ(ws.VeskWork, ws.VeskInput);
    OndarParams expected = ws.OndarInput;
    expected.ArchFactor = ws.OndarWork.ArchFactor;  // filled by the pre-check
    EXPECT_EQ(ws.OndarWork, expected);
    for (int page = 0; page <= 6; ++page) EXPECT_FALSE(ws.OutBuf[static_cast<size_t>(page)].empty()) << page;
    EXPECT_FALSE(TempWorkFileExists());
}

TEST_F(DriverRunTest, DialogRunsUseTheirOwnWordingAndCleanUp) {
    ASSERT_TRUE(PrepareRun(ws));
    ASSERT_TRUE(DialogRunKavo(ws)) << LastMessage();
    EXPECT_EQ(ui.progress.rfind("\r\nMulti Seam Creating Grid ...\r\nSaving Temporary File ...", 0), 0u);
    EXPECT_EQ(ui.progress.find("Loading Kavo parameters"), std::string::npos);
    EXPECT_EQ(ui.progress.find("Compiling output"), std::string::npos);
    EXPECT_FALSE(TempWorkFileExists());

    // The retreat dialog keeps the model codes beside the solver files; a
    // fault while reading the results deletes its temporary work file too.
    ui.progress.clear();
    ws.VeskWork.ActiveMiningMode = 1;
    ws.OndarWork.EntryWidth = 20;
    ws.OndarWork.CrosscutSpacing = 100;
    ws.OndarWork.EntryCenters[1] = 80;
    fake.vk1 = "garbage";
    EXPECT_FALSE(DialogRunOndar(ws));
    EXPECT_EQ(LastMessage(), "Error OndarParm: Type mismatch");
    EXPECT_EQ(test::ReadTextFile(dir.file("Mine.grid")),
              ws.Model.GridCodes[0] + "\n" + ws.Model.GridCodes[1] + "\n");
    EXPECT_EQ(ui.progress.rfind("\r\nCreating Grid for Multiple Seam ...\r\nSaving Temporary Files ...", 0),
              0u);
    EXPECT_FALSE(TempWorkFileExists());
}

TEST_F(DriverRunTest, NothingRunsWithoutAProject) {
    ws.State.NoData = 255;
    EXPECT_FALSE(Calculate(ws));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "Data not entered or File not Loaded. Solution module can not be invoked.");
    EXPECT_TRUE(ui.progress.empty());
    EXPECT_TRUE(fake.lastInput.empty());

    EXPECT_FALSE(PrepareRun(ws));
    EXPECT_EQ(LastMessage(), "Load data first");
}

}  // namespace
}  // namespace vesk
