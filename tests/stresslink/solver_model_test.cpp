// The two-seam grid built from a project's geometry, and its input file.
#include <gtest/gtest.h>

#include <string>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"
#include "stresslink/solver_model_builder.h"
#include "support/test_support.h"

namespace vesk {
namespace {

class SolverModelTest : public ::testing::Test {
protected:
    SolverModelTest() : ws(ui) {
        // Longwall, gob solid layout, active seam over the previous seam.
        ws.VeskWork.InterburdenThickness = 50;
        ws.VeskWork.SeamThickness = 6;
        ws.VeskWork.GobWidth = 300;
        ws.KavoWork.EntryHeight = 8;
        ws.KavoWork.DepthOfCover = 500;
        ws.KavoWork.EntryWidth = 20;
        ws.KavoWork.CrosscutSpacing = 100;
        ws.KavoWork.NumberOfEntries = 2;
        ws.KavoWork.EntryCenters[1] = 80;
        ws.Options.CellSizeEnglish = 2;
    }

    // Messages shown so far, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.prompt);
        return out;
    }

    RecordingUserInterface ui;
    Workspace ws;
};

TEST_F(SolverModelTest, MarginsCellSizeAndElementCounts) {
    struct Case {
        float interburden, gob, entryWidth;
        int16_t cellSetting;
        float gridWidth, elementWidth;
        int16_t n, m, c, h;
    };
    const Case cases[] = {
        // Margin 2 x 50 raised to 200 ft.
        {50, 300, 20, 2, 700, 2, 350, 100, 10, 5},
        // Margin 2 x 150 = 300 ft.
        {150, 300, 20, 2, 900, 2, 450, 150, 10, 5},
        // A section of exactly 2000 ft doubles the cell; 18 / 4 = 4.5 and 2.25
        // round to 4 and 2.
        {50, 1600, 18, 2, 2000, 4, 500, 50, 4, 2},
        // Just under 2000 ft keeps the cell.
        {50, 1598, 20, 2, 1998, 2, 999, 100, 10, 5},
        // A cell setting of 0 means 2 ft.
        {50, 300, 20, 0, 700, 2, 350, 100, 10, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "interburden " << c.interburden << " gob " << c.gob);
        ws.VeskWork.InterburdenThickness = c.interburden;
        ws.VeskWork.GobWidth = c.gob;
        ws.KavoWork.EntryWidth = c.entryWidth;
        ws.Options.CellSizeEnglish = c.cellSetting;
        ASSERT_TRUE(BuildSolverModel(ws));
        EXPECT_FLOAT_EQ(ws.Model.GridWidth, c.gridWidth);
        EXPECT_FLOAT_EQ(ws.Model.ElementWidth, c.elementWidth);
        EXPECT_EQ(ws.Model.ElementCount, c.n);
        EXPECT_EQ(ws.Model.MarginElements, c.m);
        EXPECT_EQ(ws.Model.CrosscutElements, c.c);
        EXPECT_EQ(ws.Model.HalfEntryElements, c.h);
        EXPECT_EQ(ws.Model.CriticalElement, c.m - c.h);
        EXPECT_EQ(ws.Model.GridCodes[0].size(), static_cast<size_t>(c.n));
        EXPECT_EQ(ws.Model.GridCodes[1].size(), static_cast<size_t>(c.n));
    }
    EXPECT_EQ(ws.Options.CellSizeEnglish, 2);  // the 0 setting was stored back as 2
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SolverModelTest, GobEdgesAndCrosscutAnchoredAtTheGob) {
    ASSERT_TRUE(BuildSolverModel(ws));
    // The previous seam lies below: row 2. Gob from element 101 to 250, with
    // an opening at each of its edges.
    const std::string& previous = ws.Model.GridCodes[1];
    ASSERT_EQ(previous.size(), 350u);
    EXPECT_EQ(previous.substr(0, 100), std::string(100, 'J'));
    EXPECT_EQ(previous[100], '1');  // element 101
    EXPECT_EQ(previous.substr(101, 148), std::string(148, 'S'));
    EXPECT_EQ(previous[249], '1');  // element 250
    EXPECT_EQ(previous.substr(250), std::string(100, 'J'));

    // Active row: a 10-element crosscut centred on the gob's west edge (the
    // anchor 95 is the last element of the pillar west of it), 40-element
    // pillars between the crosscuts.
    const std::string& active = ws.Model.GridCodes[0];
    EXPECT_EQ(ws.Model.CriticalElement, 95);
    EXPECT_EQ(active.substr(95, 10), std::string(10, '1'));   // elements 96..105
    EXPECT_EQ(active.substr(105, 40), std::string(40, 'A'));  // 106..145
    EXPECT_EQ(active.substr(55, 40), std::string(40, 'A'));   // 56..95
    EXPECT_EQ(active.substr(45, 10), std::string(10, '1'));   // 46..55
    EXPECT_EQ(active.find_first_not_of("1A"), std::string::npos);
}

TEST_F(SolverModelTest, WholeRowsOfACoarseGrid) {
    // 20 ft cells: a 20 ft entry is one element, half of it rounds to 0
    // (halves go to even), an 80 ft pillar is four elements.
    ws.Options.CellSizeEnglish = 20;
    ASSERT_TRUE(BuildSolverModel(ws));
    ASSERT_EQ(ws.Model.ElementCount, 35);
    EXPECT_EQ(ws.Model.HalfEntryElements, 0);
    EXPECT_EQ(ws.Model.CriticalElement, 10);
    EXPECT_EQ(ws.Model.GridCodes[0], "1AAAA1AAAA1AAAA1AAAA1AAAA1AAAA1AAAA");
    EXPECT_EQ(ws.Model.GridCodes[1], "JJJJJJJJJJ1SSSSSSSSSSSSS1JJJJJJJJJJ");
}

TEST_F(SolverModelTest, RemnantLayoutAnchorsAtTheRemnantsEastEdge) {
    ws.VeskWork.PreviousMining = 1;
    ws.VeskWork.GobWidth1 = 100;
    ws.VeskWork.RemnantWidth = 60;
    ws.VeskWork.GobWidth2 = 100;
    ws.VeskWork.GobWidth = 0;  // not used by this layout
    ASSERT_TRUE(BuildSolverModel(ws));
    // Margin = interburden raised to 200 ft; 100 + 200 + 60 + 100 + 200.
    EXPECT_FLOAT_EQ(ws.Model.GridWidth, 660);
    ASSERT_EQ(ws.Model.ElementCount, 330);
    const std::string& previous = ws.Model.GridCodes[1];
    // Gob 1 101..150, remnant 151..180, gob 2 181..230.
    std::string expected = std::string(100, 'J') + "1" + std::string(48, 'S') + "1" + std::string(30, 'J') +
                           "1" + std::string(48, 'S') + "1" + std::string(100, 'J');
    EXPECT_EQ(previous, expected);
    EXPECT_EQ(ws.Model.CriticalElement, 180 - 5);
    EXPECT_EQ(ws.Model.GridCodes[0].substr(175, 10), std::string(10, '1'));  // 176..185
    EXPECT_EQ(ws.Model.GridCodes[0][174], 'A');
}

TEST_F(SolverModelTest, SeamArrangementFollowsTheVerticalPosition) {
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_EQ(ws.Model.ActiveSeam, 1);
    EXPECT_EQ(ws.Model.CriticalSeam, 1);
    EXPECT_FLOAT_EQ(ws.Model.SeamDepth[1], 500);
    EXPECT_FLOAT_EQ(ws.Model.SeamDepth[2], 550);
    EXPECT_FLOAT_EQ(ws.Model.SeamMiningHeight[1], 8);
    EXPECT_FLOAT_EQ(ws.Model.SeamMiningHeight[2], 6);
    EXPECT_FLOAT_EQ(ws.Model.SeamExtractionRatio[1], 0.25f);
    EXPECT_FLOAT_EQ(ws.Model.SeamExtractionRatio[2], 0);

    ws.VeskWork.VerticalPosition = 1;
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_EQ(ws.Model.ActiveSeam, 2);
    EXPECT_EQ(ws.Model.PreviousSeam, 1);
    EXPECT_EQ(ws.Model.CriticalSeam, 2);
    EXPECT_FLOAT_EQ(ws.Model.SeamDepth[1], 450);
    EXPECT_FLOAT_EQ(ws.Model.SeamDepth[2], 500);
    EXPECT_FLOAT_EQ(ws.Model.SeamMiningHeight[1], 6);
    EXPECT_FLOAT_EQ(ws.Model.SeamMiningHeight[2], 8);
    EXPECT_FLOAT_EQ(ws.Model.SeamExtractionRatio[1], 0);
    EXPECT_FLOAT_EQ(ws.Model.SeamExtractionRatio[2], 0.25f);
    // The letters follow the role: the active pillars are "A" in row 2 now.
    EXPECT_EQ(ws.Model.GridCodes[1].find_first_not_of("1A"), std::string::npos);
    EXPECT_EQ(ws.Model.GridCodes[0].find_first_not_of("1JS"), std::string::npos);
}

TEST_F(SolverModelTest, ExtractionRatioAndDivisorOfBothMethods) {
    // Longwall: (N - 1) x We over the sum of the centre distances.
    ws.KavoWork.NumberOfEntries = 3;
    ws.KavoWork.EntryCenters[1] = 100;
    ws.KavoWork.EntryCenters[2] = 60;
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_FLOAT_EQ(ws.Model.ActiveExtractionRatio, 2 * 20.0f / 160);
    EXPECT_FLOAT_EQ(ws.Run.StressAdjustDivisor, 0.75f);

    // Room and pillar: We over the first centre distance only.
    ws.VeskWork.ActiveMiningMode = 1;
    ws.OndarWork.EntryHeight = 7;
    ws.OndarWork.DepthOfCover = 600;
    ws.OndarWork.EntryWidth = 20;
    ws.OndarWork.CrosscutSpacing = 80;
    ws.OndarWork.NumberOfEntries = 3;
    ws.OndarWork.EntryCenters[1] = 50;
    ws.OndarWork.EntryCenters[2] = 100;
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_FLOAT_EQ(ws.Model.ActiveExtractionRatio, 0.4f);
    EXPECT_FLOAT_EQ(ws.Run.StressAdjustDivisor, 0.6f);
    EXPECT_FLOAT_EQ(ws.Model.SeamDepth[1], 600);
    EXPECT_EQ(ws.Model.PillarElements, 30);
}

TEST_F(SolverModelTest, GridGenerationErrorsStopTheModel) {
    struct Case {
        const char* name;
        void (*setup)(Workspace&);
        const char* message;
    };
    const Case cases[] = {
        {"longwall without first centre distance", [](Workspace& w) { w.KavoWork.EntryCenters[1] = 0; },
         "Grid Generation Error: (Kavo) Invalid Crosscut Spacing or Center-to-Center Distance."},
        {"longwall without crosscut spacing", [](Workspace& w) { w.KavoWork.CrosscutSpacing = 0; },
         "Grid Generation Error: (Kavo) Invalid Crosscut Spacing or Center-to-Center Distance."},
        {"room and pillar without first centre distance",
         [](Workspace& w) {
             w.VeskWork.ActiveMiningMode = 1;
             w.OndarWork.CrosscutSpacing = 80;
             w.OndarWork.EntryWidth = 20;
             w.OndarWork.EntryCenters[1] = 0;
         },
         "Grid Generation Error: (Ondar) Invalid Crosscut Spacing or Center-to-Center Distance."},
        {"cell wider than the section", [](Workspace& w) { w.Options.CellSizeEnglish = 2000; },
         "Grid Generation Error: Invalid width of grid. Check the input data."},
        {"section of no width", [](Workspace& w) { w.VeskWork.GobWidth = -400; },
         "Grid Generation Error: Invalid width of grid. Check the input data."},
        {"negative cell size", [](Workspace& w) { w.Options.CellSizeEnglish = -2; },
         "Grid Generation Error: Invalid width of grid. Check the input data."},
        {"neither crosscut nor pillar an element wide",
         [](Workspace& w) {
             w.KavoWork.EntryWidth = 0.5f;
             w.KavoWork.CrosscutSpacing = 1;
         },
         "Grid Generation Error: (Kavo) Invalid Crosscut Spacing or Center-to-Center Distance."},
        {"previous seam above the surface",
         [](Workspace& w) {
             w.VeskWork.VerticalPosition = 1;
             w.VeskWork.InterburdenThickness = 500;  // as deep as the active seam
         },
         "This is an undermining case. Overburden should be > interburden and extraction thickness"},
        {"more elements than 16 bits hold",
         [](Workspace& w) {
             w.Options.CellSizeEnglish = 1;
             w.VeskWork.GobWidth = 70000;
         },
         "Error occurred: Overflow (6). Procedure Terminated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingUserInterface caseUi;
        Workspace w(caseUi);
        w.VeskWork = ws.VeskWork;
        w.KavoWork = ws.KavoWork;
        w.Options = ws.Options;
        c.setup(w);
        EXPECT_FALSE(BuildSolverModel(w));
        ASSERT_EQ(caseUi.messages.size(), 1u);
        EXPECT_EQ(caseUi.messages[0].prompt, c.message);
        EXPECT_EQ(caseUi.messages[0].title, "");
    }
}

TEST_F(SolverModelTest, MetricUnitsUseTheMetricCellAndMargin) {
    // The driver always builds in English units; a metric build (kept for
    // callers that do not convert) takes the metric cell and a 70 m margin.
    ws.Header.UnitSystem = 1;
    ws.Options.CellSizeMetric = 0;
    ws.VeskWork.InterburdenThickness = 15;
    ws.VeskWork.GobWidth = 100;
    ws.KavoWork.EntryWidth = 6;
    ws.KavoWork.CrosscutSpacing = 30;
    ws.KavoWork.EntryCenters[1] = 25;
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_FLOAT_EQ(ws.Model.GridWidth, 240);
    EXPECT_FLOAT_EQ(ws.Model.ElementWidth, 0.5f);
    EXPECT_FLOAT_EQ(ws.Options.CellSizeMetric, 0.5f);
    EXPECT_EQ(ws.Model.ElementCount, 480);
    EXPECT_EQ(ws.Model.MarginElements, 140);

    ws.VeskWork.GobWidth = 560;  // 700 m: the cell doubles
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_FLOAT_EQ(ws.Model.ElementWidth, 1.0f);
    EXPECT_EQ(ws.Model.ElementCount, 700);
}

TEST_F(SolverModelTest, InputFileLayoutUnderAnyLocale) {
    test::TempDir dir;
    test::CommaLocale comma;
    ASSERT_TRUE(BuildSolverModel(ws));
    const std::string path = dir.file("Mine.in2");
    ASSERT_TRUE(WriteSolverInput(ws, path));
    const std::string text = test::ReadTextFile(path);
    const std::string expected =
        "1,0.25,0,2,350,500,550,8,6,95,1\n" + ws.Model.GridCodes[0] + "\n" + ws.Model.GridCodes[1] + "\n\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(SolverInputHeader(ws), "1,0.25,0,2,350,500,550,8,6,95,1");

    // Fractions keep their digits, in plain decimal form.
    ws.KavoWork.DepthOfCover = 512.75f;
    ws.KavoWork.EntryCenters[1] = 75;
    ASSERT_TRUE(BuildSolverModel(ws));
    EXPECT_EQ(SolverInputHeader(ws), "1,0.26666668,0,2,350,512.75,562.75,8,6,95,1");

    EXPECT_FALSE(WriteSolverInput(ws, dir.file("no-such-folder/Mine.in2")));
}

}  // namespace
}  // namespace vesk
