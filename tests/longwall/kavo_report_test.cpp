#include "longwall/kavo_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/recording_user_interface.h"
#include "kavo_test_case.h"
#include "longwall/kavo_model.h"
#include "longwall/kavo_units.h"
#include "project/project_records.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {
namespace {

std::string Page(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start) + "<no line end>");
    return lines;
}

// Compares page text line by line, so that a failure names the line.
void ExpectPage(const std::string& actual, const std::vector<std::string>& expected) {
    const std::vector<std::string> got = Lines(actual);
    for (std::size_t i = 0; i < std::max(got.size(), expected.size()); ++i) {
        EXPECT_EQ(i < got.size() ? got[i] : "<missing>", i < expected.size() ? expected[i] : "<extra>")
            << "line " << i + 1;
    }
    EXPECT_EQ(actual, Page(expected));
}

const std::string Indent(30, ' ');
const std::string Gap(13, ' ');

// The stability factors of the reference case, English or metric alike.
const std::vector<std::string> ReferenceFactorsPage = {
    "[Kavo STABILITY FACTORS - STANDARD GEOMETRY]",
    "",
    Indent + "Classic Kavo        Kavo (R)",
    "    Development Loading............2.15" + Gap + "2.23",
    "    Headgate Loading...............1.43" + Gap + "1.48",
    "    Bleeder Loading................1.07" + Gap + "1.11",
    "*** Tailgate Loading...............0.76" + Gap + "0.79",
    "    Isolated Loading...............0.69" + Gap + "0.71",
    "",
    "",
    "[Kavo STABILITY FACTORS - STANDARD GEOMETRY - MULTI SEAM CONDITIONS]",
    "",
    Indent + "Classic Kavo MS       Kavo (R) MS",
    "    Development Loading............1.93" + Gap + "2.01",
    "    Headgate Loading...............1.33" + Gap + "1.38",
    "    Bleeder Loading................1.02" + Gap + "1.05",
    "*** Tailgate Loading...............0.73" + Gap + "0.76",
    "    Isolated Loading...............0.66" + Gap + "0.69",
    "",
    "",
    "",
};

class KavoReportTest : public ::testing::Test {
protected:
    KavoReportTest() {
        ws.KavoWork = test::ReferenceLongwall();
        ws.Run.avgMultiSeamStress = 200;
        ws.Options.DisplayHistoryWin = 1;
    }

    // A full run as the calculation makes it: English units, method, pages,
    // then the project's units again.
    void RunAndReport(int16_t kind = 1) {
        KavoToEnglishUnits(ws);
        ASSERT_TRUE(KavoLoadModelInputs(ws));
        KavoCalculate(ws, 0);
        KavoReportStabilityFactors(ws);
        KavoReportCapacityAndLoads(ws, kind);
        KavoToProjectUnits(ws);
    }

    RecordingUserInterface ui;
    Workspace ws{ui};
};

TEST_F(KavoReportTest, EnglishPages) {
    RunAndReport();
    ExpectPage(ws.OutBuf[2], ReferenceFactorsPage);
    ExpectPage(ws.OutBuf[3], {
                                 "[Kavo PILLAR LOAD BEARING CAPACITY]",
                                 "",
                                 "PILLAR #1",
                                 "  for Pillar Width (ft)..........................................80.0",
                                 "  and Pillar Length (ft).........................................80.0",
                                 "  Width/Height Ratio.............................................11.43",
                                 "  Unit Pillar Strength (psi).....................................4279",
                                 "  Pillar Load Bearing Capacity (lbs) / (ft) of gate entry........3.94E+07",
                                 "",
                                 "  Unit Pillar Strength (R) (psi).................................4279",
                                 "  Pillar Load Bearing Capacity (R) (lbs) / (ft) of gate entry....3.94E+07",
                                 "",
                                 "PILLAR #2",
                                 "  for Pillar Width (ft)..........................................60.0",
                                 "  and Pillar Length (ft).........................................80.0",
                                 "  Width/Height Ratio.............................................8.57",
                                 "  Unit Pillar Strength (psi).....................................3353",
                                 "  Pillar Load Bearing Capacity (lbs) / (ft) of gate entry........2.32E+07",
                                 "",
                                 "  Unit Pillar Strength (R) (psi).................................3700",
                                 "  Pillar Load Bearing Capacity (R) (lbs) / (ft) of gate entry....2.56E+07",
                                 "",
                                 "",
                                 "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [Kavo Classic]",
                                 "  Total Load (lbs) / (ft) of gate entry..........................6.26E+07",
                                 "",
                                 "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [Kavo (R)]",
                                 "  Total Load (lbs) / (ft) of gate entry..........................6.50E+07",
                                 "",
                                 "To view the distribution of Unit Pillar Loading",
                                 "select 'View Plots->Settings->Unit Pillar Loading'",
                                 "To view the distribution of Load Bearing Capacity",
                                 "select 'View Plots->Settings->Load Bearing Capacity'",
                                 "",
                                 "",
                                 "",
                             });
    // The single-seam loads are singles (seven digits); a fractional share of
    // the multiple-seam load makes a double sum that prints every digit.
    ExpectPage(ws.OutBuf[4], {
                                 "[Kavo SINGLE SEAM LOADS ON PILLAR SYSTEM (lbs) / (ft) of gate entry]",
                                 "",
                                 "    Development Loading................................29,160,000",
                                 "    Headgate Loading...................................43,798,780",
                                 "    Bleeder Loading....................................58,437,570",
                                 "*** Tailgate Loading...................................82,018,070",
                                 "    Isolated Loading...................................91,345,970",
                                 "",
                                 "",
                                 "",
                                 "[Kavo MULTIPLE SEAM LOADS ON PILLAR SYSTEM (lbs) / (ft) of gate entry]",
                                 "",
                                 "    MS Development Load................................31,003,200",
                                 "    MS Headgate Load...................................45,181,184",
                                 "    MS Bleeder Load....................................59,359,168",
                                 "*** MS Tailgate Load...................................82,294,552",
                                 "    MS Isolated Load...................................91,345,970",
                                 "",
                                 "",
                                 "",
                             });
    EXPECT_NE(ws.History.Text.find("Kavo stability factors calculated"), std::string::npos);
    EXPECT_NE(ws.History.Text.find("Additional output calculated"), std::string::npos);
}

TEST_F(KavoReportTest, MetricPagesIgnoreTheEnglishOutputOptions) {
    // The reference case typed in metric units.
    constexpr double feetPerMetre = 3.280839895013123;
    ws.Header.UnitSystem = Metric;
    KavoParams& p = ws.KavoWork;
    p.CoalStrength = NewProjectRecords(Metric).Kavo.CoalStrength;
    p.UnitWeight = NewProjectRecords(Metric).Kavo.UnitWeight;
    p.DepthOfCover = 304.8f;
    p.PanelWidth = 304.8f;
    p.EntryHeight = static_cast<float>(7 / feetPerMetre);
    p.EntryWidth = static_cast<float>(20 / feetPerMetre);
    p.CrosscutSpacing = static_cast<float>(100 / feetPerMetre);
    p.EntryCenters[1] = static_cast<float>(100 / feetPerMetre);
    p.EntryCenters[2] = static_cast<float>(80 / feetPerMetre);
    ws.Options.KavoOutputStrUnits = 1;
    ws.Options.KavoOutputStrGradUnits = 1;
    ws.Options.KavoPrintPlotReminder = 0;
    RunAndReport();

    ExpectPage(ws.OutBuf[2], ReferenceFactorsPage);
    ExpectPage(ws.OutBuf[3], {
                                 "[Kavo PILLAR LOAD BEARING CAPACITY]",
                                 "",
                                 "PILLAR #1",
                                 "  for Pillar Width (m)...........................................24.4",
                                 "  and Pillar Length (m)..........................................24.4",
                                 "  Width/Height Ratio.............................................11.43",
                                 "  Unit Pillar Strength (MPa).....................................29.50",
                                 "  Pillar Load Bearing Capacity (kN) / (m) of gate entry..........5.75E+05",
                                 "",
                                 "  Unit Pillar Strength (R) (MPa).................................29.50",
                                 "  Pillar Load Bearing Capacity (R) (kN) / (m) of gate entry......5.75E+05",
                                 "",
                                 "PILLAR #2",
                                 "  for Pillar Width (m)...........................................18.3",
                                 "  and Pillar Length (m)..........................................24.4",
                                 "  Width/Height Ratio.............................................8.57",
                                 "  Unit Pillar Strength (MPa).....................................23.12",
                                 "  Pillar Load Bearing Capacity (kN) / (m) of gate entry..........3.38E+05",
                                 "",
                                 "  Unit Pillar Strength (R) (MPa).................................25.51",
                                 "  Pillar Load Bearing Capacity (R) (kN) / (m) of gate entry......3.73E+05",
                                 "",
                                 "",
                                 "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [Kavo Classic]",
                                 "  Total Load (kN) / (m) of gate entry............................9.14E+05",
                                 "",
                                 "TOTAL PILLAR SYSTEM LOAD BEARING CAPACITY [Kavo (R)]",
                                 "  Total Load (kN) / (m) of gate entry............................9.49E+05",
                                 "",
                                 "",
                                 "",
                             });
    // kN/m is the double product of the load with the factor: the tailgate
    // load of 1,196,963.48 kN/m must not pass through a single (1,196,963.5).
    ExpectPage(ws.OutBuf[4], {
                                 "[Kavo SINGLE SEAM LOADS ON PILLAR SYSTEM (kN) / (m) of gate entry]",
                                 "",
                                 "    Development Loading................................425,558",
                                 "    Headgate Loading...................................639,195",
                                 "    Bleeder Loading....................................852,832",
                                 "*** Tailgate Loading...................................1,196,963",
                                 "    Isolated Loading...................................1,333,094",
                                 "",
                                 "",
                                 "",
                                 "[Kavo MULTIPLE SEAM LOADS ON PILLAR SYSTEM (kN) / (m) of gate entry]",
                                 "",
                                 "    MS Development Load................................452,458",
                                 "    MS Headgate Load...................................659,370",
                                 "    MS Bleeder Load....................................866,282",
                                 "*** MS Tailgate Load...................................1,200,998",
                                 "    MS Isolated Load...................................1,333,094",
                                 "",
                                 "",
                                 "",
                             });
    // The plots get the strength in psi and the capacity in kN/m.
    EXPECT_NEAR(ws.Kavo.StrengthClassicOut[1], 4278.86, 0.01);
    EXPECT_NEAR(ws.Kavo.CapacityClassicOut[1], 575495, 1);
}

TEST_F(KavoReportTest, EnglishOutputOptionsPsfAndTons) {
    ws.KavoWork.NumberOfEntries = 2;
    ws.Options.KavoOutputStrUnits = 1;
    ws.Options.KavoOutputStrGradUnits = 1;
    ws.Options.KavoPrintPlotReminder = 0;
    RunAndReport(2);
    const std::vector<std::string> capacity = Lines(ws.OutBuf[3]);
    ASSERT_EQ(capacity.size(), 21u);  // one pillar block, no reminders
    EXPECT_EQ(capacity[0], "[Kavo PILLAR LOAD BEARING CAPACITY FOR TAILGATE LOADING]");
    EXPECT_EQ(capacity[2], "PILLAR #1");
    EXPECT_EQ(capacity[6], "  Unit Pillar Strength (psf).....................................616155");
    EXPECT_EQ(capacity[7], "  Pillar Load Bearing Capacity (tons) / (ft) of gate entry.......1.97E+04");
    EXPECT_EQ(capacity[10], "  Pillar Load Bearing Capacity (R) (tons) / (ft) of gate entry...1.97E+04");
    EXPECT_EQ(ws.OutBuf[3].find("PILLAR #2"), std::string::npos);
    EXPECT_FLOAT_EQ(ws.Kavo.StrengthClassicOut[1], ws.Kavo.StrengthClassic[1]);

    const std::vector<std::string> loads = Lines(ws.OutBuf[4]);
    EXPECT_EQ(loads[0], "[Kavo SINGLE SEAM LOADS ON PILLAR SYSTEM (tons) / (ft) of gate entry]");
    EXPECT_EQ(loads[2], "    Development Loading................................8,100");

    // Small loads keep three digits under the thousands pattern.
    ws.Kavo.KavoLoads[1] = 90000;
    ws.Kavo.msLoad = 0;
    KavoReportCapacityAndLoads(ws, 1);
    EXPECT_EQ(Lines(ws.OutBuf[4])[2], "    Development Loading................................045");
}

TEST_F(KavoReportTest, WarningsForInputsOutsideTheCaseHistories) {
    struct Case {
        float unitWeight, coalStrength, abutmentAngle;
        bool unitWeightWarned, coalStrengthWarned, angleWarned;
    };
    const Case cases[] = {
        {162, 900, 21, false, false, false},    {162.04f, 900.9f, 21, false, false, false},
        {162.06f, 900, 21, true, false, false}, {162, 899.99f, 21, false, true, false},
        {162, 900, 21.5f, false, false, true},  {150, 1000, 25, true, true, true},
    };
    for (const Case& c : cases) {
        ws.KavoWork = test::ReferenceLongwall();
        ws.KavoWork.UnitWeight = c.unitWeight;
        ws.KavoWork.CoalStrength = c.coalStrength;
        ws.KavoWork.AbutmentAngle = c.abutmentAngle;
        RunAndReport();
        // The page with its lines joined, so that wrapped words are found.
        std::string page;
        for (const std::string& line : Lines(ws.OutBuf[2])) page += line + " ";
        const bool any = c.unitWeightWarned || c.coalStrengthWarned || c.angleWarned;
        SCOPED_TRACE(testing::Message()
                     << c.unitWeight << " pcf, " << c.coalStrength << " psi, " << c.abutmentAngle);
        EXPECT_EQ(page.find("[WARNINGS]") != std::string::npos, any);
        EXPECT_EQ(page.find("overburden unit weight of 162 pcf") != std::string::npos, c.unitWeightWarned);
        EXPECT_EQ(page.find("in situ coal strength of 900 psi") != std::string::npos, c.coalStrengthWarned);
        EXPECT_EQ(page.find("abutment angles of 21 degrees") != std::string::npos, c.angleWarned);
    }

    // The abutment angle warning alone, wrapped at 70 columns.
    ws.KavoWork = test::ReferenceLongwall();
    ws.KavoWork.AbutmentAngle = 21.5f;
    RunAndReport();
    const std::string& page = ws.OutBuf[2];
    const std::size_t warnings = page.find("[WARNINGS]");
    ASSERT_NE(warnings, std::string::npos);
    EXPECT_EQ(page.substr(warnings),
              Page({"[WARNINGS]", "The Kavo case history data base was analyzed with abutment angles of",
                    "21 degrees.  Stability Factors (SF) obtained with different abutment",
                    "angles may not be comparable to the suggested SF values obtained from",
                    "Pavex's analysis of the data base.  For more information, see",
                    "Help/Input Parameters/Kavo Parameters.", "", ""}));
}

}  // namespace
}  // namespace vesk
