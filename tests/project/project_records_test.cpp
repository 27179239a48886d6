#include "project/project_records.h"

#include <gtest/gtest.h>

#include "analysis/recording_user_interface.h"
#include "analysis/text_format.h"
#include "project/project_file.h"
#include "project/workspace.h"

namespace vesk {
namespace {

TEST(NewProject, MetricDefaultsAreTheEnglishOnesConverted) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.Options.DefaultUnits = 1;
    ws.KavoInput.UseCMRRFactors = 1;  // left over from the project before
    ws.OndarInput.ArchFactor = 0.61f;
    FileNew(ws, true, true);

    EXPECT_EQ(ws.Header.UnitSystem, 1);
    EXPECT_EQ(ws.Header.ProjectFileName, "Untitled");
    EXPECT_EQ(ws.KavoInput.CoalStrength, static_cast<float>(900.0 / 145.0377));
    EXPECT_EQ(ws.KavoInput.UnitWeight, static_cast<float>(162.0 / 6.3663022639200495));
    EXPECT_EQ(ws.OndarInput.CoalStrength, 900.0 / 145.0377);
    EXPECT_EQ(ws.OndarInput.UnitWeight, 162.0 / 6.3663022639200495);
    EXPECT_EQ(FormatGeneral(ws.KavoInput.CoalStrength).substr(0, 5), "6.205");
    EXPECT_EQ(FormatGeneral(ws.KavoInput.UnitWeight).substr(0, 5), "25.44");
    // A new project never inherits the factors of the one open before.
    EXPECT_EQ(ws.KavoInput.UseCMRRFactors, 0);
    EXPECT_EQ(ws.OndarInput.ArchFactor, 0.0f);
    EXPECT_EQ(ws.State.ProjectSaved, 255);
    EXPECT_EQ(ws.State.NoData, 255);
    EXPECT_EQ(ws.State.UnitsLocked, 0);

    ws.Options.DefaultUnits = 0;
    FileNew(ws, true, true);
    EXPECT_EQ(ws.KavoInput.CoalStrength, 900.0f);
    EXPECT_EQ(ws.OndarInput.UnitWeight, 162.0);
    EXPECT_EQ(ws.VeskInput.ActiveSeamCMRR, 45.0f);
    EXPECT_EQ(ws.VeskInput.AgeOfWorkings, 10.0f);
    EXPECT_EQ(ws.OndarInput.CrosscutAngle, 90.0);
    EXPECT_EQ(ws.KavoInput.SFBleeder, 1.3f);
}

// A metric project as the user typed it.
void FillMetricProject(Workspace& ws) {
    ws.Header.UnitSystem = 1;
    ws.VeskInput = VeskParams{};
    ws.VeskInput.InterburdenThickness = 12.3f;
    ws.VeskInput.SeamThickness = 1.83f;
    ws.VeskInput.GobWidth = 305.0f;
    ws.VeskInput.RemnantWidth = 18.29f;
    ws.VeskInput.GobWidth1 = 152.4f;
    ws.VeskInput.GobWidth2 = 91.44f;
    ws.VeskInput.ActiveSeamCMRR = 52;
    ws.VeskInput.AgeOfWorkings = 15;

    KavoParams& k = ws.KavoInput;
    k = NewProjectRecords(1).Kavo;
    k.EntryHeight = 2.13f;
    k.DepthOfCover = 213.36f;
    k.PanelWidth = 304.8f;
    k.EntryWidth = 5.97f;
    k.CrosscutSpacing = 30.48f;
    k.NumberOfEntries = 3;
    k.EntryCenters = {0, 24.38f, 36.58f, 7.5f, 7.5f, 7.5f};
    k.PillarCrosscutAngle = {0, 90, 75, 60, 60, 60};
    k.PillarCrosscutSpacing = {0, 30.48f, 33.53f, 9.5f, 9.5f, 9.5f};
    k.YieldPillarWidth = 9.14f;

    OndarParams& o = ws.OndarInput;
    o = NewProjectRecords(1).Ondar;
    o.EntryHeight = 1.98;
    o.DepthOfCover = 182.88;
    o.EntryWidth = 5.97;
    o.CrosscutSpacing = 24.38;
    o.NumberOfEntries = 2;
    o.EntryCenters = {0, 24.38, 7, 7, 7, 7, 7, 7, 7, 7};
    o.AMZBreadth = 45.72;
    o.ActiveGobExtent = 304.8;
    o.FirstGobExtent = 228.6;
    o.FirstGobBarrierWidth = 45.72;
    o.FirstGobSlabCut = 3.05;
    o.SecondGobExtent = 152.4;
    o.SecondGobBarrierWidth = 60.96;
    o.SecondGobSlabCut = 0.1;
    o.RowCPillarWidth = 12.19f;
    o.RowDPillarWidth = 0.1f;
}

TEST(UnitConversion, LongwallRunConvertsItsFieldsAndRestoresThemExactly) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    FillMetricProject(ws);
    CopyStoredToWorking(ws);
    const OndarParams ondarBefore = ws.OndarWork;

    ProjectUnitsSnapshot saved = ToEnglishUnits(ws, 0);
    EXPECT_EQ(ws.Header.UnitSystem, 0);
    EXPECT_EQ(ws.Run.SavedUnitSystem, 1);
    const double ft = 3.280839895013123;
    EXPECT_EQ(ws.KavoWork.EntryWidth, static_cast<float>(static_cast<double>(5.97f) * ft));
    EXPECT_EQ(ws.KavoWork.CoalStrength,
              static_cast<float>(static_cast<double>(static_cast<float>(900.0 / 145.0377)) * 145.0377));
    EXPECT_NEAR(ws.KavoWork.CoalStrength, 900.0f, 1e-3f);
    EXPECT_NEAR(ws.KavoWork.UnitWeight, 162.0f, 1e-3f);
    EXPECT_EQ(ws.KavoWork.EntryCenters[2], static_cast<float>(static_cast<double>(36.58f) * ft));
    EXPECT_EQ(ws.KavoWork.PillarCrosscutSpacing[2], static_cast<float>(static_cast<double>(33.53f) * ft));
    EXPECT_EQ(ws.KavoWork.EntryCenters[3], 7.5f);          // beyond NumberOfEntries - 1
    EXPECT_EQ(ws.KavoWork.PillarCrosscutAngle[2], 75.0f);  // angles stay
    EXPECT_EQ(ws.VeskWork.GobWidth2, static_cast<float>(static_cast<double>(91.44f) * ft));
    EXPECT_EQ(ws.VeskWork.ActiveSeamCMRR, 52.0f);
    EXPECT_EQ(ws.VeskWork.AgeOfWorkings, 15.0f);
    EXPECT_EQ(ws.OndarWork, ondarBefore);  // the other method is left alone

    RestoreProjectUnits(ws, saved);
    EXPECT_EQ(ws.Header.UnitSystem, 1);
    EXPECT_EQ(ws.KavoWork, ws.KavoInput);
    EXPECT_EQ(ws.VeskWork, ws.VeskInput);
    EXPECT_EQ(FormatGeneral(ws.KavoWork.EntryWidth), "5.97");
}

TEST(UnitConversion, RetreatRunConvertsItsFieldsAndRestoresThemExactly) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    FillMetricProject(ws);
    ws.OndarInput.NumberOfEntries = 10;
    CopyStoredToWorking(ws);
    const KavoParams kavoBefore = ws.KavoWork;

    ProjectUnitsSnapshot saved = ToEnglishUnits(ws, 1);
    const double ft = 3.280839895013123;
    EXPECT_EQ(ws.OndarWork.EntryWidth, 5.97 * ft);
    EXPECT_EQ(ws.OndarWork.EntryCenters[9], 7 * ft);  // all nine with ten entries
    EXPECT_EQ(ws.OndarWork.SecondGobSlabCut, 0.1 * ft);
    EXPECT_EQ(ws.OndarWork.RowDPillarWidth, static_cast<float>(static_cast<double>(0.1f) * ft));
    EXPECT_EQ(ws.OndarWork.CoalStrength, 900.0 / 145.0377 * 145.0377);
    EXPECT_EQ(ws.OndarWork.CrosscutAngle, 90.0);
    EXPECT_EQ(ws.OndarWork.ActiveGobAbutmentAngle, 21.0);
    EXPECT_EQ(ws.KavoWork, kavoBefore);

    RestoreProjectUnits(ws, saved);
    EXPECT_EQ(ws.Header.UnitSystem, 1);
    EXPECT_EQ(ws.OndarWork, ws.OndarInput);
    EXPECT_EQ(ws.VeskWork, ws.VeskInput);
}

TEST(UnitConversion, EnglishProjectIsNotTouched) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    FillMetricProject(ws);
    ws.Header.UnitSystem = 0;
    ws.Run.SavedUnitSystem = 1;
    CopyStoredToWorking(ws);
    ProjectUnitsSnapshot saved = ToEnglishUnits(ws, 0);
    EXPECT_EQ(ws.Run.SavedUnitSystem, 0);
    EXPECT_EQ(ws.KavoWork, ws.KavoInput);
    ws.KavoWork.EntryWidth = 99;  // a swept value stays after the run
    RestoreProjectUnits(ws, saved);
    EXPECT_EQ(ws.KavoWork.EntryWidth, 99.0f);
    EXPECT_EQ(ws.Header.UnitSystem, 0);
}

TEST(UnitConversion, CentreDistancesFollowTheEntryCount) {
    struct Case {
        int16_t entries;
        int converted;  // centre distances converted, from 1
    };
    for (Case c : {Case{1, 0}, Case{2, 1}, Case{6, 5}, Case{0, 0}, Case{-3, 0}, Case{40, 5}}) {
        KavoParams k;
        k.NumberOfEntries = c.entries;
        k.EntryCenters = {1, 1, 1, 1, 1, 1};
        ConvertKavoUnits(k, UnitDirection::ToEnglish);
        EXPECT_EQ(k.EntryCenters[0], 1.0f);
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(k.EntryCenters[static_cast<size_t>(i)] != 1.0f, i <= c.converted)
                << "entries " << c.entries << " distance " << i;
        }
    }
}

}  // namespace
}  // namespace vesk
