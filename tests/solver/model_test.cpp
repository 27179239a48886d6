// Model constants, the material table and the material laws.
#include <gtest/gtest.h>

#include <cmath>

#include "element_stress.h"
#include "model_echo.h"
#include "model_parameters.h"
#include "solver_fixture.h"

namespace veskjirn {
namespace {

using vesk::test::ReadTextFile;
using vesk::test::TempDir;

void SetUpEnglish(CVeskJirn2DDoc& doc, double extraction1 = 0.25) {
    doc.UnitsCode = 1;
    doc.ExtractionRatio = {0, extraction1, 0.0};
    doc.ElementWidth = 2;
    doc.ElementCount = 4;
    doc.SeamOverburden = {0, 500, 550};
    doc.SeamHeight = {0, 7, 6};
    SetModelParameters(doc);
}

TEST(ModelParameters, FeetBecomeInchesAndTheTableFollowsTheSeams) {
    CVeskJirn2DDoc doc;
    SetUpEnglish(doc);
    EXPECT_EQ(doc.ElementWidth, 24.0);
    EXPECT_EQ(doc.SeamHeight[1], 84.0);
    EXPECT_EQ(doc.SeamOverburden[2], 6600.0);
    EXPECT_NEAR(doc.Lambda, 178.885438, 1e-6);
    EXPECT_EQ(doc.MaterialCount, 19);
    EXPECT_EQ(doc.MaterialType[0], 1);
    EXPECT_EQ(doc.MaterialParam[0][1], 225000.0);  // (1 - 0.25) x 300 000
    EXPECT_EQ(doc.MaterialParam[9][1], 300000.0);
    EXPECT_EQ(doc.MaterialType[18], 5);
    EXPECT_EQ(doc.MaterialType[19], 0);
    // Zone 8 of seam 1 sits half an element from the rib: 900 (0.64 + 2.16 x 12 / 84).
    EXPECT_NEAR(doc.MaterialParam[8][1] / 0.75, 853.714, 1e-3);
    EXPECT_NEAR(doc.MaterialParam[8][2], 853.714 / 300000.0, 1e-8);
    EXPECT_NEAR(doc.MaterialParam[1][1] / 0.75, 900 * (0.64 + 2.16 * 180 / 84), 1e-9);
    // Zone 17 ("R") of seam 2 likewise, zone 10 ("K") 7.5 elements in.
    EXPECT_NEAR(doc.MaterialParam[17][1], 900 * (0.64 + 2.16 * 12 / 72), 1e-9);
    EXPECT_NEAR(doc.MaterialParam[10][1], 900 * (0.64 + 2.16 * 180 / 72), 1e-9);
}

TEST(ModelParameters, MetricCodesShareTheirConstants) {
    for (int code : {2, 3}) {
        CVeskJirn2DDoc doc;
        doc.UnitsCode = code;
        doc.ElementWidth = 0.5;
        doc.SeamHeight = {0, 2, 2};
        SetModelParameters(doc);
        EXPECT_EQ(doc.ElementWidth, 0.5);
        EXPECT_EQ(doc.RockModulus, 2.0e10);
        EXPECT_EQ(doc.StressGradient, 25448.0);
        EXPECT_EQ(doc.ConvergenceTolerance, 1e-8);
        EXPECT_NEAR(doc.Lambda, std::sqrt(20.0), 1e-12);
    }
}

TEST(ElementStress, LawsOfEveryTypeAndTheOpeningContact) {
    CVeskJirn2DDoc doc;
    SetUpEnglish(doc, 0.0);
    // Types the table never uses, placed in free slots to check their laws.
    doc.MaterialType[19] = 2;
    doc.MaterialParam[19] = {0, 1000, 0.01, 400, 0.03, 0.3, 0};
    doc.MaterialType[20] = 4;
    doc.MaterialParam[20] = {0, 50, 0.1, 2000, 2.0, 0.3, 0};
    doc.MaterialType[21] = 6;
    doc.MaterialParam[21] = {0, 600, 0, 2.0, 0, 0, 0};
    const double h = 100.0;
    struct Case {
        int32_t material;
        double closure;
        double expected;
    } cases[] = {
        {0, 1.0, 300000.0 * 0.01},
        {19, 0.5, 1000.0 / 0.01 * 0.005},
        {19, 2.0, 1000.0 + (400.0 - 1000.0) * (0.02 - 0.01) / (0.03 - 0.01)},
        {19, 5.0, 400.0},
        {20, 10.0, 50.0 / 0.1 * 0.05},
        {20, 40.0, 50.0 + 2000.0 * (0.2 - 0.1)},
        {21, 4.0, (0.04 / 2.0) * 600.0},
        {18, 1.0,
         (100.0 / ((300000.0 - 100.0) / 4000.0)) * (std::exp((300000.0 - 100.0) / 4000.0 * 0.01) - 1.0)},
        {1, 0.5, 300000.0 * 0.005},
        {1, 2.0, 900 * (0.64 + 2.16 * 180 / 84)},
        {kOpeningMaterial, 50.0, 0.0},
        {kOpeningMaterial, 120.0, 0.1 * 0.2 * 3000000.0},
    };
    const int n = static_cast<int>(std::size(cases));
    Grid<double> D, sigma;
    Grid<int32_t> codes;
    D.Allocate(1, 1, 0, n + 1);
    sigma.Allocate(1, 1, 1, n);
    codes.Allocate(1, 1, 1, n);
    for (int i = 1; i <= n; ++i) {
        D(1, i) = cases[i - 1].closure;
        codes(1, i) = cases[i - 1].material;
    }
    ASSERT_EQ(ElementStress(doc, D.Row(1), sigma.Row(1), n, codes.Row(1), h), 0);
    for (int i = 1; i <= n; ++i) EXPECT_NEAR(sigma(1, i), cases[i - 1].expected, 1e-9) << "case " << i;
    // The contact stress relaxes a tenth of the way on every call.
    ASSERT_EQ(ElementStress(doc, D.Row(1), sigma.Row(1), n, codes.Row(1), h), 0);
    EXPECT_NEAR(sigma(1, n), 0.9 * 60000.0 + 60000.0, 1e-9);
}

TEST(ElementStress, StopsAtTheFirstElementWithoutALaw) {
    CVeskJirn2DDoc doc;
    SetUpEnglish(doc, 0.0);
    TempDir folder;
    ASSERT_TRUE(doc.ErrLog.Create(folder.file("x.err")));
    Grid<double> D, sigma;
    Grid<int32_t> codes;
    D.Allocate(1, 1, 0, 4);
    sigma.Allocate(1, 1, 1, 3);
    codes.Allocate(1, 1, 1, 3);
    for (int i = 1; i <= 3; ++i) D(1, i) = 1.0;
    codes(1, 1) = 0;
    codes(1, 2) = 30;
    codes(1, 3) = 26;
    EXPECT_EQ(ElementStress(doc, D.Row(1), sigma.Row(1), 3, codes.Row(1), 84.0), 2);
    EXPECT_GT(sigma(1, 1), 0.0);
    EXPECT_EQ(sigma(1, 3), 0.0);
    doc.ErrLog.Close();
    EXPECT_EQ(ReadTextFile(folder.file("x.err")),
              "Material Code Out of Range in Element Stress Routine - ES2\n");
}

TEST(ModelEcho, InputAndModelListings) {
    TempDir folder;
    ASSERT_EQ(
        test::RunText(folder, "m.in2", test::InputText("1,0.25,0,2,6,500,550,7,6,2,1", "AA11AA", "JJSSJJ")),
        0);
    const std::string out = ReadTextFile(folder.file("m.out"));
    const char* expectedPieces[] = {
        "  General Input Model Data\n\n  Width of Elements          -- 2.000000\n"
        "  Number of Elements         -- 6\n",
        "  Critical Element Location  -- 2\n  Critical Seam              -- 1\n\n"
        "  The units system integer is: 1\n"
        "  This means that the parameter values were input to the Vesk Jirn2D program in: \n"
        "  feet and psi,\n\n"
        "The Material Codes for Seam One\nAA11AA\nThe Material Codes for Seam Two\nJJSSJJ\n\n"
        "Seam Character Codes with Yield Zones Applied\n",
        "The Material Integer Codes for Seam One\n00272700\nThe Material Integer Codes for Seam Two\n"
        "99181899\n",
        "Pillar Integer Codes \nThe Integer Codes for Seam One\n230023\nThe Integer Codes for Seam Two\n"
        "230023\n\n",
        "  General Model Data (adjusted for units)\n\n  Width of Elements          -- 24.000000\n",
        "  LAMBDA VALUE               - 178.885438\n",
        "  OVERBURDEN STRESS - SEAM 1 - 562.500000\n",
        "  Material Number     - 1\n  Linear Elastic Coal\n  Elastic Modulus     -     2.25e+05\n",
        "  Material Number     - 19\n  Strain Hardening Gob\n  Initial Modulus at Zero Stress -          "
        "100\n",
        "  STRESS CONVERGENCE CRITERION    -- 0.000001\n",
        "  THE EAST BOUNDARY CONDITION  -- 0\n\n",
    };
    for (const char* piece : expectedPieces) EXPECT_NE(out.find(piece), std::string::npos) << piece;
}

}  // namespace
}  // namespace veskjirn
