#include "longwall/kavo_units.h"

#include <gtest/gtest.h>

#include "analysis/recording_user_interface.h"
#include "kavo_test_case.h"
#include "longwall/kavo_model.h"
#include "longwall/kavo_report.h"
#include "project/project_records.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {
namespace {

// The reference case in metric units, values as a user would type them.
void SetMetricProject(Workspace& ws) {
    ws.Header.UnitSystem = Metric;
    ProjectRecords defaults = NewProjectRecords(Metric);
    KavoParams& p = ws.KavoWork;
    p = defaults.Kavo;
    p.DepthOfCover = 304.8f;
    p.PanelWidth = 304.8f;
    p.EntryHeight = 2.13f;
    p.EntryWidth = 6.1f;
    p.CrosscutSpacing = 30.5f;
    p.NumberOfEntries = 3;
    p.EntryCenters = {0, 30.5f, 24.4f, 7.7f, 0, 0};  // the third is beyond the entry count
    p.PillarCrosscutSpacing = {0, 30.5f, 27.1f, 3.3f, 0, 0};
    p.YieldPillarWidth = 5.97f;
    ws.VeskWork.InterburdenThickness = 45.72f;
    ws.VeskWork.SeamThickness = 1.83f;
    ws.VeskWork.GobWidth = 152.4f;
    ws.VeskWork.RemnantWidth = 12.19f;
    ws.VeskWork.GobWidth1 = 30.1f;
    ws.VeskWork.GobWidth2 = 60.3f;
}

TEST(KavoUnits, MetricRunWorksInFeetAndRestoresTheProjectExactly) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    SetMetricProject(ws);
    const KavoParams kavoBefore = ws.KavoWork;
    const VeskParams veskBefore = ws.VeskWork;

    KavoToEnglishUnits(ws);
    EXPECT_EQ(ws.Header.UnitSystem, English);
    EXPECT_EQ(ws.Run.SavedUnitSystem, Metric);
    EXPECT_FLOAT_EQ(ws.KavoWork.DepthOfCover, 1000);
    EXPECT_FLOAT_EQ(ws.KavoWork.EntryCenters[2], 80.0525f);
    EXPECT_FLOAT_EQ(ws.KavoWork.PillarCrosscutSpacing[2], 27.1f * 3.280839895013123f);
    EXPECT_EQ(ws.KavoWork.EntryCenters[3], 7.7f);  // not an entry of this project
    EXPECT_FLOAT_EQ(ws.KavoWork.YieldPillarWidth, 5.97f * 3.280839895013123f);
    EXPECT_FLOAT_EQ(ws.VeskWork.InterburdenThickness, 150);
    EXPECT_FLOAT_EQ(ws.VeskWork.GobWidth2, 60.3f * 3.280839895013123f);
    // The metric defaults come back as exactly 900 psi and 162 pcf.
    EXPECT_EQ(ws.KavoWork.CoalStrength, 900.0f);
    EXPECT_EQ(ws.KavoWork.UnitWeight, 162.0f);
    EXPECT_EQ(ws.KavoWork.AbutmentAngle, 21);

    // A second conversion while one is pending changes nothing.
    const KavoParams english = ws.KavoWork;
    KavoToEnglishUnits(ws);
    EXPECT_EQ(ws.KavoWork, english);

    ws.Run.avgMultiSeamStress = 200;
    ASSERT_TRUE(KavoLoadModelInputs(ws));
    KavoCalculate(ws, 0);
    KavoReportStabilityFactors(ws);
    KavoToProjectUnits(ws);
    EXPECT_EQ(ws.KavoWork, kavoBefore);
    EXPECT_EQ(ws.VeskWork, veskBefore);
    EXPECT_EQ(ws.Header.UnitSystem, Metric);
    // The default strength and unit weight raise no warning.
    EXPECT_EQ(ws.OutBuf[2].find("[WARNINGS]"), std::string::npos);

    // The way back runs once: a second call does not divide again.
    KavoToProjectUnits(ws);
    EXPECT_EQ(ws.KavoWork, kavoBefore);
    EXPECT_EQ(ws.Header.UnitSystem, Metric);
}

TEST(KavoUnits, FailedMetricRunIsRestoredToo) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    SetMetricProject(ws);
    ws.KavoWork.NumberOfEntries = 1;
    const KavoParams kavoBefore = ws.KavoWork;
    KavoToEnglishUnits(ws);
    EXPECT_FALSE(KavoLoadModelInputs(ws));
    KavoToProjectUnits(ws);
    EXPECT_EQ(ws.KavoWork, kavoBefore);
    EXPECT_EQ(ws.Header.UnitSystem, Metric);
}

TEST(KavoUnits, EnglishProjectIsLeftAsItIs) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.KavoWork = test::ReferenceLongwall();
    ws.Run.SavedUnitSystem = Metric;  // left over from an earlier run
    KavoToEnglishUnits(ws);
    EXPECT_EQ(ws.Run.SavedUnitSystem, English);
    EXPECT_EQ(ws.KavoWork, test::ReferenceLongwall());
    KavoToProjectUnits(ws);
    EXPECT_EQ(ws.KavoWork, test::ReferenceLongwall());
    EXPECT_EQ(ws.Header.UnitSystem, English);
}

}  // namespace
}  // namespace vesk
