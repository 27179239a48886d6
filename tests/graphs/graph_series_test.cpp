#include <gtest/gtest.h>

#include "analysis/recording_user_interface.h"
#include "graphs/graph_export.h"
#include "graphs/graph_settings.h"
#include "graphs/plotted_series.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

class GraphSeriesTest : public ::testing::Test {
protected:
    RecordingUserInterface ui;
    Workspace ws{ui};

    // Four elements of 10 ft; the critical element is 2 on seam 1.
    void FillProfiles() {
        GraphData& g = ws.Graph;
        ws.Model.ElementWidth = 10;
        ws.Model.ElementCount = 4;
        ws.Model.CriticalElement = 2;
        ws.Model.CriticalSeam = 1;
        g.ProfileX = {0, 10, 20, 30, 40};
        g.ProfileRowsA.assign(5, ProfileRow{});
        g.ProfileRowsB.assign(5, ProfileRow{});
        g.ProfilePairs.assign(5, ProfilePair{});
        for (int r = 1; r <= 4; ++r) {
            g.ProfileRowsA[r][4] = 1000.0f + r;  // average pillar stress
            g.ProfileRowsA[r][5] = 100.0f;       // smeared induced stress
            g.ProfileRowsB[r][4] = 5.0f;
            g.ProfilePairs[r][1] = 700.0f + r;  // single seam
            g.ProfilePairs[r][2] = 900.0f + r;  // multiple seam
        }
        g.ProfileRowsA[4][4] = 0;  // a gob element: no stress, no induced stress
        g.ProfileRowsA[4][5] = 0;
        g.StressSeriesNames = {"Total Vertical Stress", "Single Seam Stress"};
        g.GraphSeriesCount = 2;
        g.GraphPointCount = 4;
        ws.Run.StressAdjustDivisor = 0.5f;
        ws.Stress.DevStress = 850.0f;
    }
};

TEST_F(GraphSeriesTest, AverageStressProfileFollowsTheSingleSeamPlotOption) {
    FillProfiles();
    ws.Graph.GraphKind = 4;
    ws.Options.PlotSSstress = 0;
    std::vector<PlottedSeries> s = PlotSeries(ws);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Name, "Total Vertical Stress");
    ASSERT_EQ(s[0].Points.size(), 4u);
    EXPECT_EQ(s[0].Points[0], std::make_pair(10.0f, 1001.0f));
    // Pillar elements show the method's development stress, the gob none.
    EXPECT_EQ(s[1].Points[0].second, 850.0f);
    EXPECT_EQ(s[1].Points[3].second, 0.0f);

    ws.Options.PlotSSstress = 1;
    s = PlotSeries(ws);
    EXPECT_EQ(s[1].Points[0].second, 1001.0f - 100.0f / 0.5f);
}

TEST_F(GraphSeriesTest, DetailGraphShowsTheRowsAfterHalfTheCriticalElement) {
    FillProfiles();
    ws.Graph.GraphKind = 7;
    std::vector<PlottedSeries> s = PlotSeries(ws);
    ASSERT_EQ(s[0].Points.size(), 2u);  // CriticalElement points, from row 2
    EXPECT_EQ(s[0].Points[0], std::make_pair(20.0f, 902.0f));
    EXPECT_EQ(s[1].Points[1], std::make_pair(30.0f, 703.0f));
}

TEST_F(GraphSeriesTest, MetricProjectPlotsMetresAndMegapascals) {
    FillProfiles();
    ws.Header.UnitSystem = 1;
    ws.Graph.GraphKind = 6;
    std::vector<PlottedSeries> s = PlotSeries(ws);
    EXPECT_FLOAT_EQ(s[0].Points[0].first, static_cast<float>(10 / 3.280839895013123));
    EXPECT_FLOAT_EQ(s[0].Points[0].second, static_cast<float>(901 / 145.0377));
}

TEST_F(GraphSeriesTest, SweepTablesArePlottedAsStored) {
    ws.Header.UnitSystem = 1;
    ws.Graph.GraphKind = 0;
    ws.Graph.GraphSeriesCount = 2;
    ws.Graph.GraphPointCount = 2;
    ws.Graph.SeriesNames = {"Development", "Development with Extra Support", "", ""};
    ws.Graph.GraphTable.assign(3, {});
    ws.Graph.GraphTable[1] = {240, 40, 20};
    ws.Graph.GraphTable[2] = {280, 45, 25};
    std::vector<PlottedSeries> s = PlotSeries(ws);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1].Name, "Development with Extra Support");
    EXPECT_EQ(s[1].Points[1], std::make_pair(280.0f, 25.0f));
}

TEST_F(GraphSeriesTest, CsvExportHasTwoColumnsPerCurve) {
    FillProfiles();
    ws.Graph.GraphKind = 6;
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(ExportGraphCsv(PlotSeries(ws), dir.file("g.csv"), error)) << error;
    const std::string text = test::ReadTextFile(dir.file("g.csv"));
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "X-coord,Total Vertical Stress,X-coord,Single Seam Stress");
    EXPECT_NE(text.find("\r\n10,901,10,701\r\n"), std::string::npos);
    ASSERT_TRUE(ExportGraphXlsx(PlotSeries(ws), dir.file("g.xlsx"), error)) << error;
    EXPECT_GT(std::filesystem::file_size(dir.file("g.xlsx")), 1000u);
    EXPECT_EQ(ExportedMessage(2), "Exported 2 Curves");
}

TEST_F(GraphSeriesTest, ChangingTheUnitSystemRenewsAllTitles) {
    ResetGraphSettings(ws);
    EXPECT_EQ(ws.Options.XAxisTitle[0], "Depth of Cover (ft)");
    EXPECT_EQ(ws.Options.YAxisTitle[0], "Critical Interburden (ft)");
    EXPECT_EQ(ws.Options.YAxisTitle[2], "Stability Factors");
    EXPECT_EQ(ws.Options.YAxisTitle[7], "Vertical Stresses - Detail (psi)");
    ws.Options.GraphSetParams = 1;
    ws.Options.SymbolSize = 12;
    ws.Options.GridStyle = 3;
    ws.Header.UnitSystem = 1;
    PrepareGraphSettings(ws, 4);
    EXPECT_EQ(ws.Options.XAxisTitle[4], "Location of Pillar (m)");
    EXPECT_EQ(ws.Options.YAxisTitle[4], "Average Vertical Stresses (MPa)");
    EXPECT_EQ(ws.Options.SymbolSize, 5);
    EXPECT_EQ(ws.Options.GridStyle, 0);
    EXPECT_EQ(ws.Options.GraphUnits, 1);

    // The options dialog's reset keeps the grid style.
    ws.Options.GraphSetParams = 0;
    ws.Options.GridStyle = 2;
    ws.Options.GraphTitle = "Mine";
    SetGraphParms(ws);
    EXPECT_EQ(ws.Options.GraphTitle, "Vesk");
    EXPECT_EQ(ws.Options.GridStyle, 2);
}

}  // namespace
}  // namespace vesk
