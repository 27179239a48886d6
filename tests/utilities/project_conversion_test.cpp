#include "utilities/project_conversion.h"

#include <gtest/gtest.h>

#include "analysis/recording_user_interface.h"
#include "analysis/text_format.h"
#include "project/project_state.h"
#include "project/workspace.h"

namespace vesk {
namespace {

class ProjectConversionTest : public ::testing::Test {
protected:
    ProjectConversionTest() : ws(ui) {
        ws.Header.ProjectFileName = "/data/mine/a.VSK";
        ws.State.ProjectSaved = ByteTrue;
        ws.State.NoData = ByteFalse;
    }
    RecordingUserInterface ui;
    Workspace ws;
};

TEST_F(ProjectConversionTest, LengthsRoundTripThroughTwoDecimals) {
    ws.Header.UnitSystem = 1;
    ws.KavoInput.DepthOfCover = 152.4f;
    ws.OndarInput.DepthOfCover = 152.4;
    ws.VeskInput.InterburdenThickness = 30.48f;
    ASSERT_TRUE(ConvertProjectUnits(ws, 0));
    EXPECT_EQ(ws.KavoInput.DepthOfCover, 500.0f);
    EXPECT_EQ(ws.OndarInput.DepthOfCover, 500.0);
    EXPECT_EQ(ws.VeskInput.InterburdenThickness, 100.0f);

    ws.KavoInput.EntryHeight = 100;
    ASSERT_TRUE(ConvertProjectUnits(ws, 1));
    EXPECT_EQ(ws.KavoInput.DepthOfCover, 152.4f);
    EXPECT_EQ(ws.OndarInput.DepthOfCover, 152.4);
    EXPECT_EQ(ws.KavoInput.EntryHeight, 30.48f);
    EXPECT_EQ(ws.VeskInput.InterburdenThickness, 30.48f);
}

TEST_F(ProjectConversionTest, TiesRoundToEven) {
    // 31.25 ft = 9.525 m and 43.75 ft = 13.335 m; 50 MPa = 7251.885 psi.
    ws.OndarInput.EntryWidth = 31.25;
    ws.OndarInput.EntryHeight = 43.75;
    ws.KavoInput.EntryWidth = 31.25f;
    ASSERT_TRUE(ConvertProjectUnits(ws, 1));
    EXPECT_EQ(ws.OndarInput.EntryWidth, 9.52);
    EXPECT_EQ(ws.OndarInput.EntryHeight, 13.34);
    EXPECT_EQ(ws.KavoInput.EntryWidth, 9.52f);

    ws.OndarInput.CoalStrength = 50;
    ws.KavoInput.CoalStrength = 50;
    ASSERT_TRUE(ConvertProjectUnits(ws, 0));
    EXPECT_EQ(ws.OndarInput.CoalStrength, 7251.88);
    EXPECT_EQ(ws.KavoInput.CoalStrength, 7251.88f);
}

TEST_F(ProjectConversionTest, ConvertsEveryLengthStrengthAndWeightOnly) {
    ws.Header.UnitSystem = 0;
    VeskParams& v = ws.VeskInput;
    v = {1, 1, 1, 10, 10, 10, 10, 10, 10, 1, 55, 20};
    KavoParams& k = ws.KavoInput;
    k.NumberOfEntries = 3;
    for (size_t i = 1; i <= 5; ++i)
        k.EntryCenters[i] = k.PillarCrosscutSpacing[i] = k.PillarCrosscutAngle[i] = 10;
    k.EntryHeight = k.PanelWidth = k.DepthOfCover = k.EntryWidth = k.CrosscutSpacing = k.YieldPillarWidth =
        10;
    OndarParams& o = ws.OndarInput;
    o.NumberOfEntries = 2;
    for (size_t i = 1; i <= 9; ++i) o.EntryCenters[i] = 10;
    o.EntryHeight = o.DepthOfCover = o.EntryWidth = o.CrosscutSpacing = o.AMZBreadth = 10;
    o.ActiveGobExtent = o.FirstGobExtent = o.FirstGobBarrierWidth = o.FirstGobSlabCut = 10;
    o.SecondGobExtent = o.SecondGobBarrierWidth = o.SecondGobSlabCut = 10;
    o.RowCPillarWidth = o.RowDPillarWidth = 10;
    o.ArchFactor = 0.5f;
    const KavoParams kavoBefore = k;
    const OndarParams ondarBefore = o;

    ASSERT_TRUE(ConvertProjectUnits(ws, 1));
    const float m = 3.05f;  // 10 ft
    for (float value :
         {v.InterburdenThickness, v.SeamThickness, v.GobWidth, v.RemnantWidth, v.GobWidth1, v.GobWidth2,
          k.EntryHeight, k.PanelWidth, k.DepthOfCover, k.EntryWidth, k.CrosscutSpacing, k.YieldPillarWidth,
          k.EntryCenters[1], k.EntryCenters[2], k.PillarCrosscutSpacing[1], k.PillarCrosscutSpacing[2],
          o.RowCPillarWidth, o.RowDPillarWidth})
        EXPECT_EQ(value, m);
    for (double value : {o.EntryHeight, o.DepthOfCover, o.EntryWidth, o.CrosscutSpacing, o.AMZBreadth,
                         o.ActiveGobExtent, o.FirstGobExtent, o.FirstGobBarrierWidth, o.FirstGobSlabCut,
                         o.SecondGobExtent, o.SecondGobBarrierWidth, o.SecondGobSlabCut, o.EntryCenters[1]})
        EXPECT_EQ(value, 3.05);
    EXPECT_EQ(k.CoalStrength, 6.21f);  // 900 psi
    EXPECT_EQ(k.UnitWeight, 25.45f);   // 162 pcf
    EXPECT_EQ(o.CoalStrength, 6.21);
    EXPECT_EQ(o.UnitWeight, 25.45);

    // Entries past NumberOfEntries-1, angles, CMRR, age, factors and flags stay.
    EXPECT_EQ(k.EntryCenters[3], 10.0f);
    EXPECT_EQ(k.PillarCrosscutSpacing[3], 10.0f);
    EXPECT_EQ(k.PillarCrosscutAngle, kavoBefore.PillarCrosscutAngle);
    EXPECT_EQ(o.EntryCenters[2], 10.0);
    EXPECT_EQ(k.AbutmentAngle, kavoBefore.AbutmentAngle);
    EXPECT_EQ(k.CMRR, kavoBefore.CMRR);
    EXPECT_EQ(k.SFHeadgate, kavoBefore.SFHeadgate);
    EXPECT_EQ(o.CrosscutAngle, ondarBefore.CrosscutAngle);
    EXPECT_EQ(o.ActiveGobAbutmentAngle, ondarBefore.ActiveGobAbutmentAngle);
    EXPECT_EQ(o.ArchFactor, 0.5f);
    EXPECT_EQ(v.ActiveSeamCMRR, 55.0f);
    EXPECT_EQ(v.AgeOfWorkings, 20.0f);
    EXPECT_EQ(v.ExtraSupport, 1);
    EXPECT_EQ(ws.VeskWork, VeskParams());  // working copies are not touched
}

TEST_F(ProjectConversionTest, NewNameAndFlags) {
    ASSERT_TRUE(ConvertProjectUnits(ws, 1));
    EXPECT_EQ(ws.Header.ProjectFileName, "Metric_a.VSK");
    EXPECT_EQ(ws.Header.UnitSystem, 1);
    EXPECT_EQ(ws.State.ProjectSaved, ByteFalse);
    ASSERT_TRUE(ConvertProjectUnits(ws, 0));
    EXPECT_EQ(ws.Header.ProjectFileName, "English_Metric_a.VSK");
    EXPECT_EQ(ConvertedFileName("C:\\old\\b.VSK", 0), "English_b.VSK");

    // Converting into the project's own system changes nothing.
    ws.KavoInput.DepthOfCover = 10;
    EXPECT_FALSE(ConvertProjectUnits(ws, 0));
    EXPECT_FALSE(ConvertProjectUnits(ws, 2));
    EXPECT_EQ(ws.KavoInput.DepthOfCover, 10.0f);
    EXPECT_EQ(ws.Header.ProjectFileName, "English_Metric_a.VSK");
}

TEST_F(ProjectConversionTest, RefusedForAnEmptyOrUnsavedProject) {
    EXPECT_TRUE(CanConvertProject(ws));
    ws.State.ProjectSaved = ByteFalse;
    EXPECT_FALSE(CanConvertProject(ws));
    ws.State.NoData = ByteTrue;
    EXPECT_FALSE(CanConvertProject(ws));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].prompt, "Save Current File before accessing this option");
    EXPECT_EQ(ui.messages[1].prompt, "Current file is empty");
}

}  // namespace
}  // namespace vesk
