#include "project/exchange_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/recording_user_interface.h"
#include "project/data_folders.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class ExchangeFileTest : public ::testing::Test {
protected:
    ExchangeFileTest() : ws(ui) { ws.Options.DisplayHistoryWin = 1; }
    test::TempDir dir;
    RecordingUserInterface ui;
    Workspace ws;
};

TEST_F(ExchangeFileTest, LongwallFileLineForLine) {
    KavoParams& k = ws.KavoInput;
    k.EntryHeight = 7.5f;
    k.DepthOfCover = 1200;
    k.PanelWidth = 1000;
    k.EntryWidth = 20;
    k.CrosscutSpacing = 150.5f;
    k.NumberOfEntries = 3;
    k.EntryCenters = {0, 100, 120.25f, 999, 999, 999};
    k.CoalStrength = 900;
    k.AbutmentAngle = 21;
    k.UnitWeight = 162;
    k.SFHeadgate = 1.3f;
    k.SFBleeder = 1.25f;
    k.SFTailgate = 1.5f;
    k.CMRR = 55;
    k.UseCMRRFactors = 1;
    k.PillarConfiguration = 2;
    k.YieldPillarWidth = 30;
    k.AdvancedGeometry = 1;
    k.PillarCrosscutAngle = {0, 90, 75, 60, 60, 60};
    k.PillarCrosscutSpacing = {0, 150, 175, 999, 999, 999};
    ws.OndarInput.EntryHeight = 99;  // the other method is not written
    ws.Header.ProjectDescription = "first\r\n\r\nsecond";

    const std::string path = dir.file(KavoExchangeFileName);
    ASSERT_TRUE(FileSaveKavo(ws, path));
    EXPECT_EQ(test::ReadTextFile(path), CrLfLines({"Kavo_500",
                                                   " 0 ",
                                                   "Kavo Input generated from Vesk",
                                                   "Kavo Input generated from Vesk",
                                                   "##EndDesc##",
                                                   "7.5",
                                                   "1200",
                                                   "1000",
                                                   "20",
                                                   "150.5",
                                                   " 3 ",
                                                   "100",
                                                   "120.25",
                                                   "900",
                                                   "21",
                                                   "162",
                                                   "1.3",
                                                   "1.25",
                                                   "1.5",
                                                   "55",
                                                   " 1 ",
                                                   " 2 ",
                                                   "30",
                                                   " 1 ",
                                                   "90",
                                                   "150",
                                                   "75",
                                                   "175"}));
    EXPECT_NE(ws.History.Text.find("Saving: " + path + "\r\n"), std::string::npos);
    EXPECT_EQ(ws.Header.ProjectDescription, "first\r\nsecond");  // normalised on the way
}

TEST_F(ExchangeFileTest, RetreatFileLineForLine) {
    ws.Header.UnitSystem = 1;
    OndarParams& o = ws.OndarInput;
    o.EntryHeight = 2.4;
    o.DepthOfCover = 300;
    o.CrosscutAngle = 75;
    o.EntryWidth = 6;
    o.CrosscutSpacing = 24.4;
    o.NumberOfEntries = 3;
    o.EntryCenters[1] = 24.4;
    o.EntryCenters[2] = 30.5;
    o.EntryCenters[3] = 999;
    o.CoalStrength = 900 / 145.0377;
    o.UnitWeight = 25.5;
    o.AMZBreadth = 45.72;
    o.AMZAuto = 0;
    o.ArchFactorAuto = 0;
    o.LoadingCondition = 2;
    o.ArchFactor = 0.86f;
    o.ActiveGobExtent = 150;
    o.ActiveGobAbutmentAngle = 21;
    o.FirstGobExtent = 120;
    o.FirstGobAbutmentAngle = 22.5;
    o.FirstGobBarrierWidth = 40;
    o.FirstGobSlabCut = 3;
    o.SecondGobExtent = 0;
    o.SecondGobAbutmentAngle = 21;
    o.SecondGobBarrierWidth = 0;
    o.SecondGobSlabCut = 0;
    o.LeaveRowA = 1;
    o.LeaveRowC = 1;
    o.RowCPillarWidth = 12.5f;
    o.RowDPillarWidth = 0;

    const std::string path = dir.file(OndarExchangeFileName);
    ASSERT_TRUE(FileSaveOndar(ws, path, "11.12.2026"));
    EXPECT_EQ(test::ReadTextFile(path), CrLfLines({"Ondar_602",
                                                   " 1 ",
                                                   "Ondar Input generated from Vesk",
                                                   "##StartDesc##",
                                                   "Ondar Input generated from Vesk11.12.2026",
                                                   "##EndDesc##",
                                                   "2.4",
                                                   "300",
                                                   "75",
                                                   "6",
                                                   "24.4",
                                                   " 3 ",
                                                   "24.4",
                                                   "30.5",
                                                   "6.20528317809783",
                                                   "25.5",
                                                   "45.72",
                                                   " 0 ",
                                                   " 0 ",
                                                   " 2 ",
                                                   " 1 ",
                                                   "0.86",
                                                   "150",
                                                   "21",
                                                   "120",
                                                   "22.5",
                                                   "40",
                                                   "3",
                                                   "0",
                                                   "21",
                                                   "0",
                                                   "0",
                                                   " 1 ",
                                                   " 0 ",
                                                   " 1 ",
                                                   " 0 ",
                                                   "12.5",
                                                   "0"}));
    EXPECT_NE(ws.History.Text.find("Saving: " + path + "\r\n"), std::string::npos);
}

TEST_F(ExchangeFileTest, RetreatEntryCountZeroIsWrittenAndBecomesOne) {
    ws.OndarInput.NumberOfEntries = 0;
    ws.OndarInput.EntryCenters[1] = 50;
    std::string text;
    ASSERT_TRUE(FormatOndarExchangeFile(ws.OndarInput, 0, "", text));
    EXPECT_NE(text.find("\r\n90\r\n0\r\n0\r\n 0 \r\n900\r\n162\r\n"), std::string::npos) << text;
    EXPECT_EQ(ws.OndarInput.NumberOfEntries, 1);
}

TEST_F(ExchangeFileTest, EntryCountBeyondTheRecordIsRefused) {
    ws.KavoInput.NumberOfEntries = 7;
    const std::string path = dir.file("x.KVO");
    EXPECT_FALSE(FileSaveKavo(ws, path));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt.rfind("Error occurred: Subscript out of range", 0), 0u);
}

TEST_F(ExchangeFileTest, WriteFailureReportsAndLeavesNoFile) {
    const std::string path = dir.file("no/such/folder/Vesk2Ondar.ODR");
    EXPECT_FALSE(FileSaveOndar(ws, path, ""));
    EXPECT_FALSE(ui.messages.empty());
}

TEST(ExchangeFilePaths, InTheSystemTemporaryFolder) {
    DataPaths paths;
    paths.SystemTempFolder = "/tmp/";
    EXPECT_EQ(KavoExchangePath(paths), "/tmp/Vesk2Kavo.KVO");
    EXPECT_EQ(OndarExchangePath(paths), "/tmp/Vesk2Ondar.ODR");
}

}  // namespace
}  // namespace vesk
