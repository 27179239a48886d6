#include "analysis/input_echo.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"

namespace vesk {
namespace {

// The page split at CR LF, so that a difference shows as one line.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back("<unterminated>" + text.substr(start));
    return lines;
}

void ExpectPage(const std::string& actual, const std::string& expected) {
    const std::vector<std::string> a = Lines(actual);
    const std::vector<std::string> e = Lines(expected);
    for (size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        EXPECT_EQ(i < a.size() ? a[i] : "<missing>", i < e.size() ? e[i] : "<missing>") << "line " << i + 1;
    }
    EXPECT_EQ(actual, expected);
}

std::string BuildLine() {
    std::string patch = std::to_string(VESK_VERSION_PATCH);
    if (patch.size() < 2) patch = "0" + patch;
    return "Vesk module build: " + std::to_string(VESK_VERSION_MAJOR) + "." +
           std::to_string(VESK_VERSION_MINOR) + "." + patch + "\r\n";
}

TEST(InputEcho, LongwallEnglishPage) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.Header.ProjectTitle = "Panel 7, under seam 3";
    ws.Header.ProjectFileName = "/home/eng/projects/panel7.VSK";
    // A blank line goes, a 75-character line without a blank is cut at 60.
    ws.Header.ProjectDescription = "Tailgate side\r\n   \r\n" + std::string(60, 'a') + std::string(15, 'b');
    ws.VeskWork.ActiveMiningMode = 0;
    ws.VeskWork.PreviousMining = 0;
    ws.VeskWork.VerticalPosition = 1;
    ws.VeskWork.InterburdenThickness = 45.5f;
    ws.VeskWork.SeamThickness = 6;
    ws.VeskWork.GobWidth = 300;
    ws.VeskWork.RemnantWidth = 99;  // not shown for a gob solid layout
    ws.VeskWork.ActiveSeamCMRR = 50;
    ws.VeskWork.AgeOfWorkings = 12.5f;
    KavoParams& k = ws.KavoWork;
    k.EntryHeight = 7;
    k.DepthOfCover = 1000;
    k.PanelWidth = 800;
    k.EntryWidth = 20;
    k.NumberOfEntries = 2;
    k.CrosscutSpacing = 100;
    k.EntryCenters = {0, 80.25f, 77, 0, 0, 0};  // only #1 is used with 2 entries
    k.CoalStrength = 900;
    k.AbutmentAngle = 21;
    k.UnitWeight = 162;
    ws.KavoInput.EntryHeight = 99;  // the page shows the working copy

    LoadOutBuf0(ws, 1);
    ExpectPage(ws.OutBuf[0], BuildLine() +
                                 "Project File: /home/eng/projects/panel7.VSK\r\n"
                                 "Input Units:  (ft) (psi)\r\n"
                                 "\r\n"
                                 "[PROJECT TITLE]\r\n"
                                 "Panel 7, under seam 3\r\n"
                                 "\r\n"
                                 "[PROJECT DESCRIPTION]\r\n"
                                 "Tailgate side\r\n"
                                 "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n"
                                 "bbbbbbbbbbbbbbb\r\n"
                                 "\r\n"
                                 "[MULTIPLE SEAM PARAMETERS]\r\n"
                                 "Active Seam Mining Mode.......Kavo\r\n"
                                 "Previous Mining...............Gob Solid Layout\r\n"
                                 "Vertical Position.............Active UNDER Previous\r\n"
                                 "Interburden Thickness.........45.5 (ft)\r\n"
                                 "\r\n"
                                 "[PREVIOUS SEAM PARAMETERS]\r\n"
                                 "Seam Thickness....................................6 (ft)\r\n"
                                 "Width of Gob......................................300 (ft)\r\n"
                                 "Age of Workings...................................12.5 years\r\n"
                                 "\r\n"
                                 "[ACTIVE SEAM PARAMETERS]\r\n"
                                 "CMRR..............................................50\r\n"
                                 "\r\n"
                                 "[Kavo DATA]\r\n"
                                 "Entry Height......................................7 (ft)\r\n"
                                 "Depth of Cover....................................1000 (ft)\r\n"
                                 "Panel Width.......................................800 (ft)\r\n"
                                 "Entry Width.......................................20 (ft)\r\n"
                                 "Number of Entries.................................2\r\n"
                                 "Crosscut Spacing..................................100 (ft)\r\n"
                                 "Center to Center Distance #1......................80.25 (ft)\r\n"
                                 "\r\n"
                                 "[Kavo DEFAULT PARAMETERS]\r\n"
                                 "In Situ Coal Strength.............................900 (psi)\r\n"
                                 "Abutment Angle....................................21 (deg)\r\n"
                                 "Unit Weight of Overburden.........................162 (pcf)\r\n"
                                 "\r\n"
                                 "\r\n");
    // The project keeps the description in the form the page shows.
    EXPECT_EQ(ws.Header.ProjectDescription,
              "Tailgate side\r\n" + std::string(60, 'a') + "\r\n" + std::string(15, 'b'));
}

Workspace& RetreatMetricProject(Workspace& ws) {
    ws.Header.UnitSystem = 1;
    ws.Header.ProjectTitle = "Mains retreat";
    ws.Header.ProjectFileName = "Untitled";
    ws.VeskWork.ActiveMiningMode = 1;
    ws.VeskWork.PreviousMining = 1;
    ws.VeskWork.VerticalPosition = 0;
    ws.VeskWork.InterburdenThickness = 13.7f;
    ws.VeskWork.SeamThickness = 1.8f;
    ws.VeskWork.GobWidth = 99;  // not shown for a remnant layout
    ws.VeskWork.RemnantWidth = 20;
    ws.VeskWork.GobWidth1 = 61;
    ws.VeskWork.GobWidth2 = 91.5f;
    OndarParams& o = ws.OndarWork;
    o.EntryHeight = 2.4;
    o.DepthOfCover = 300;
    o.CrosscutAngle = 75;
    o.EntryWidth = 6;
    o.NumberOfEntries = 3;
    o.CrosscutSpacing = 24.4;
    o.EntryCenters[1] = 24.4;
    o.EntryCenters[2] = 30.5;
    o.EntryCenters[3] = 7;  // beyond NumberOfEntries - 1
    o.CoalStrength = 900 / 145.0377;
    o.UnitWeight = 162 / 6.3663022639200495;
    o.AMZBreadth = 45.72;
    o.AMZAuto = 0;
    o.ArchFactor = 0.86f;
    o.ArchFactorAuto = 1;
    o.LoadingCondition = 3;
    o.ActiveGobExtent = 150;
    o.ActiveGobAbutmentAngle = 21;
    o.LeaveRowA = 1;
    o.LeaveRowB = 0;
    o.FirstGobExtent = 300;
    o.FirstGobAbutmentAngle = 22.5;
    o.FirstGobBarrierWidth = 30;
    o.FirstGobSlabCut = 3;
    o.LeaveRowC = 0;
    o.RowCPillarWidth = 9;  // not shown: row C is not left
    o.SecondGobExtent = 1e16;
    o.SecondGobAbutmentAngle = 21;
    o.SecondGobBarrierWidth = 0.00001;
    o.SecondGobSlabCut = 0;
    o.LeaveRowD = 1;
    o.RowDPillarWidth = 12.2f;
    return ws;
}

TEST(InputEcho, RetreatMetricPageWithTwoSideGobs) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    RetreatMetricProject(ws);
    ws.Options.PrintModuleHeader = 0;

    LoadOutBuf0(ws, 1);
    ExpectPage(ws.OutBuf[0],
               "[PROJECT TITLE]\r\n"
               "Mains retreat\r\n"
               "\r\n"
               "[PROJECT DESCRIPTION]\r\n"
               "\r\n"
               "\r\n"
               "[MULTIPLE SEAM PARAMETERS]\r\n"
               "Active Seam Mining Mode.......Ondar\r\n"
               "Previous Mining...............Remnant Pillar Layout\r\n"
               "Vertical Position.............Active OVER Previous\r\n"
               "Interburden Thickness.........13.7 (m)\r\n"
               "\r\n"
               "[PREVIOUS SEAM PARAMETERS]\r\n"
               "Seam Thickness....................................1.8 (m)\r\n"
               "Width of Remnant..................................20 (m)\r\n"
               "Width of Gob 1....................................61 (m)\r\n"
               "Width of Gob 2....................................91.5 (m)\r\n"
               "Age of Workings...................................10 years\r\n"
               "\r\n"
               "[ACTIVE SEAM PARAMETERS]\r\n"
               "CMRR..............................................45\r\n"
               "\r\n"
               "[Ondar DATA]\r\n"
               "Entry Height......................................2.4 (m)\r\n"
               "Depth of Cover....................................300 (m)\r\n"
               "Crosscut Angle....................................75 (deg)\r\n"
               "Entry Width.......................................6 (m)\r\n"
               "Number of Entries.................................3\r\n"
               "Crosscut Spacing..................................24.4 (m)\r\n"
               "Center to Center Distance #1......................24.4 (m)\r\n"
               "Center to Center Distance #2......................30.5 (m)\r\n"
               "\r\n"
               "[Ondar DEFAULT PARAMETERS]\r\n"
               "In Situ Coal Strength.............................6.20528317809783 (MPa)\r\n"
               "Unit Weight of Overburden.........................25.446482633743 (kN/m3)\r\n"
               "Breadth of AMZ....................................45.72 (m)\r\n"
               "AMZ set manually\r\n"
               "Pressure Arch Factor...................................0.86\r\n"
               "Pressure Arch Factor set automatically\r\n"
               "\r\n"
               "[Ondar RETREAT MINING PARAMETERS]\r\n"
               "Loading Condition..................ONE ACTIVE SECTION AND TWO SIDE GOBS\r\n"
               "[Active Gob]\r\n"
               "Extent of Active Gob...................................150 (m)\r\n"
               "Abutment Angle of Active Gob...........................21 (deg)\r\n"
               "Leave pillar Row 'A' in place..........................yes\r\n"
               "Leave pillar Row 'B' in place..........................no\r\n"
               "[First Gob]\r\n"
               "Extent of First Gob....................................300 (m)\r\n"
               "Abutment Angle of First Gob............................22.5 (deg)\r\n"
               "Barrier Pillar Width of First Gob......................30 (m)\r\n"
               "Depth of Slab Cut in Barrier Pillar of First Gob.......3 (m)\r\n"
               "Leave pillar Row 'C' in place..........................no\r\n"
               "\r\n"
               "[Second Gob]\r\n"
               "Extent of Second Gob...................................1E+16 (m)\r\n"
               "Abutment Angle of Second Gob...........................21 (deg)\r\n"
               "Barrier Pillar Width of Second Gob.....................1E-05 (m)\r\n"
               "Depth of Slab Cut in Barrier Pillar of Second Gob......0 (m)\r\n"
               "Leave pillar Row 'D' in place..........................yes\r\n"
               "Width of pillars in row 'D'............................12.2 (m)\r\n"
               "\r\n"
               "\r\n");
}

TEST(InputEcho, GobBlocksFollowTheLoadingCondition) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    RetreatMetricProject(ws);
    struct Case {
        int16_t condition;
        const char* text;
        bool active, first, second;
    };
    const Case cases[] = {
        {0, "DEVELOPMENT LOAD (NO NEARBY GOB)", false, false, false},
        {1, "ONE ACTIVE RETREAT SECTION", true, false, false},
        {2, "ONE ACTIVE SECTION AND ONE SIDE GOB", true, true, false},
        {4, "ONE ACTIVE SECTION AND TWO SIDE GOBS", true, true, true},  // calculated as 3
    };
    for (const Case& c : cases) {
        ws.OndarWork.LoadingCondition = c.condition;
        LoadOutBuf0(ws, 1);
        const std::string& page = ws.OutBuf[0];
        EXPECT_NE(page.find(std::string("Loading Condition..................") + c.text + "\r\n"),
                  std::string::npos);
        EXPECT_EQ(page.find("[Active Gob]") != std::string::npos, c.active) << c.condition;
        EXPECT_EQ(page.find("[First Gob]") != std::string::npos, c.first) << c.condition;
        EXPECT_EQ(page.find("[Second Gob]") != std::string::npos, c.second) << c.condition;
        if (c.condition == 0) {
            EXPECT_EQ(page.substr(page.size() - 40), "..DEVELOPMENT LOAD (NO NEARBY GOB)\r\n\r\n\r\n");
        }
        if (c.condition == 2) {  // row C not left: a blank line, then the end
            EXPECT_EQ(page.substr(page.size() - 12), "..no\r\n\r\n\r\n\r\n");
        }
    }
}

TEST(InputEcho, ModuleHeaderWrapsALongFileName) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.Header.ProjectFileName =
        "/mnt/shared/ground-control/projects/2026/district-4/seam-b/longwall-panel-12.VSK";
    LoadOutBuf0(ws, 1);
    // The line breaks at the blank after "File:"; the path, with no blank
    // in its first 70 characters, is then cut at 70.
    const std::string& path = ws.Header.ProjectFileName;
    ExpectPage(ws.OutBuf[0].substr(0, ws.OutBuf[0].find("[PROJECT TITLE]")),
               BuildLine() + "Project File:\r\n" + path.substr(0, 70) + "\r\n" + path.substr(70) +
                   "\r\nInput Units:  (ft) (psi)\r\n\r\n");
}

}  // namespace
}  // namespace vesk
