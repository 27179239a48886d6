// Pillar marks, the coupling kernels' two forms, and the seam solution.
#include "seam_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>

#include "coupling_kernels.h"
#include "model_parameters.h"
#include "post_processing.h"
#include "solver_fixture.h"

namespace veskjirn {
namespace {

using vesk::test::ReadTextFile;
using vesk::test::TempDir;

std::string Marks(const std::string& codes) {
    CVeskJirn2DDoc doc;
    doc.UnitsCode = 1;
    doc.ElementWidth = 2;
    doc.SeamHeight = {0, 7, 7};
    doc.ElementCount = static_cast<int32_t>(codes.size());
    SetModelParameters(doc);
    doc.IntCodes.Allocate(1, 2, 1, doc.ElementCount);
    doc.PillarCodes.Allocate(1, 2, 1, doc.ElementCount);
    for (int i = 1; i <= doc.ElementCount; ++i) {
        char c = codes[static_cast<std::size_t>(i - 1)];
        doc.IntCodes(1, i) = c < 'A' ? c - 22 : c - 65;
    }
    FindPillars(doc, 1);
    std::string marks;
    for (int i = 1; i <= doc.ElementCount; ++i) marks += static_cast<char>('0' + doc.PillarCodes(1, i));
    return marks;
}

TEST(FindPillars, MarksRunsOfCoal) {
    struct Case {
        const char* codes;
        const char* marks;
    } cases[] = {
        {"AAAA", "2113"},   {"A1AA", "3023"},  // one-element pillar at element 1
        {"11A11", "00300"},                    // one-element pillar between openings
        {"SSAAS", "00230"},                    // gob is not pillar
        {"1BIA1", "02130"},                    // yield zones are coal
        {"AA0A5", "23030"},  // codes without a law are not pillar (and stop the solution later)
        {"A", "3"},
    };
    for (const Case& c : cases) EXPECT_EQ(Marks(c.codes), c.marks) << c.codes;
}

TEST(FindPillars, PillarWalkFindsEachPillarOnce) {
    std::vector<std::pair<int, int>> pillars;
    Grid<int32_t> marks;
    const int32_t row[] = {3, 0, 2, 1, 3, 0, 0, 3, 2, 3};
    marks.Allocate(1, 1, 1, 10);
    for (int i = 1; i <= 10; ++i) marks(1, i) = row[i - 1];
    ForEachPillar(GridRow<const int32_t>(marks.Row(1)), 10, [&](int first, int last) {
        pillars.emplace_back(first, last);
        return 0;
    });
    EXPECT_EQ(pillars, (std::vector<std::pair<int, int>>{{1, 1}, {3, 5}, {8, 8}, {9, 10}}));
}

// The table-driven kernels add the same products in the same order as the
// literal ones: their sums agree bit for bit.
TEST(CouplingKernels, TableFormEqualsLiteralFormExactly) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> closure(-0.2, 0.6);
    const KernelConstants constants{3000000.0, std::sqrt(32000.0)};
    struct Case {
        int n;
        double w;
        double h;
    } cases[] = {{350, 24.0, 600.0}, {500, 48.0, 1800.0}, {40, 24.0, 60.0},
                 {300, 0.5, 15.0},   {64, 0.3, 20.0},     {2000, 24.0, 120.0}};
    for (const Case& c : cases) {
        Grid<double> D, fast, literal;
        D.Allocate(1, 1, 0, c.n + 1);
        fast.Allocate(1, 1, 0, c.n + 1);
        literal.Allocate(1, 1, 0, c.n + 1);
        for (int i = 1; i <= c.n; ++i) D(1, i) = closure(random);
        for (double h : {c.h, -c.h}) {
            fast.Allocate(1, 1, 0, c.n + 1);
            literal.Allocate(1, 1, 0, c.n + 1);
            MultiSeamStress(D.Row(1), c.n, c.w, fast.Row(1), std::fabs(h), constants, false);
            MultiSeamStressLiteral(D.Row(1), c.n, c.w, literal.Row(1), std::fabs(h), constants);
            RemoteDisplacement(D.Row(1), c.n, c.w, fast.Row(1), c.n, c.w, h, constants, false);
            RemoteDisplacementLiteral(D.Row(1), c.n, c.w, literal.Row(1), c.n, c.w, h, constants);
            for (int j = 0; j <= c.n + 1; ++j) {
                ASSERT_EQ(std::memcmp(&fast(1, j), &literal(1, j), sizeof(double)), 0)
                    << "n " << c.n << " w " << c.w << " h " << h << " j " << j;
            }
        }
    }
}

TEST(CouplingKernels, ClosureRelievesAboveAndLoadsAside) {
    const KernelConstants constants{3000000.0, std::sqrt(32000.0)};
    Grid<double> D, q;
    D.Allocate(1, 1, 0, 202);
    q.Allocate(1, 1, 0, 202);
    D(1, 101) = 1.0;
    MultiSeamStress(D.Row(1), 201, 24.0, q.Row(1), 600.0, constants, false);
    EXPECT_LT(q(1, 101), 0.0);
    EXPECT_EQ(q(1, 100), q(1, 102));
    // Load where d^2 > 2 Lambda h.
    const int beyond =
        101 + static_cast<int>(std::ceil(std::sqrt(2 * std::sqrt(32000.0) * 600.0) / 24.0)) + 1;
    EXPECT_GT(q(1, beyond), 0.0);
}

// A solid seam under its own weight closes most in the middle and not at all at
// the fixed edges, symmetric up to the convergence tolerance.
TEST(SeamSolution, SolidSeamClosesSymmetrically) {
    TempDir folder;
    const int n = 61;
    const std::string a(n, 'A'), j(n, 'J');
    ASSERT_EQ(test::RunText(folder, "solid.in2", test::InputText("1,0,0,2,61,500,550,7,6,31,1", a, j)), 0);
    const std::string dat = ReadTextFile(folder.file("solid.dat"));
    for (int s = 1; s <= 2; ++s) {
        std::vector<double> D = test::DatColumn(dat, n, s, 0);
        ASSERT_EQ(D.size(), static_cast<std::size_t>(n));
        const double middle = D[n / 2];
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(D[static_cast<std::size_t>(i)], D[static_cast<std::size_t>(n - 1 - i)],
                        2e-4 * middle);
            EXPECT_LE(D[static_cast<std::size_t>(i)], middle * (1 + 1e-4));
        }
        // Held at zero closure beyond the edges, the closure grows towards the middle.
        for (int i = 1; i <= n / 2; ++i) {
            EXPECT_GT(D[static_cast<std::size_t>(i)], D[static_cast<std::size_t>(i - 1)] * (1 - 1e-4));
        }
        EXPECT_LT(D[0], 0.2 * middle);
        // The whole seam is one pillar, and its stress averages are symmetric too.
        std::vector<double> pillarSafety = test::DatColumn(dat, n, s, 6);
        EXPECT_EQ(pillarSafety.front(), pillarSafety.back());
    }
}

TEST(SeamSolution, SweepLimitEndsTheRunWithStatus12) {
    // A seam of openings with nothing to carry the roof closes until roof meets
    // floor, far more slowly than the sweep limit allows over 3000 elements.
    TempDir folder;
    const int n = 3000;
    std::string codes(n, '1');
    const std::string solid(n, 'J');
    ASSERT_EQ(
        test::RunText(folder, "slow.in2", test::InputText("1,0,0,2,3000,500,550,7,6,5,1", codes, solid)), 12);
    EXPECT_EQ(ReadTextFile(folder.file("slow.err")), "Maximum Number of Iterations (20000) Reached \n");
    const std::string out = ReadTextFile(folder.file("slow.out"));
    EXPECT_NE(out.find("Interation = 20000, Maximum Displacement Error = "), std::string::npos);
    EXPECT_EQ(out.find("Seam 1 took"), std::string::npos);
}

// Absurd depths overflow the gob's exponential law; the run must fail rather
// than report numbers that are not numbers.
TEST(SeamSolution, DivergedSolutionIsAFailureNotAResult) {
    TempDir folder;
    test::ModelSpec layout;
    layout.depth1 = 1e8;
    layout.depth2 = 2e8;
    EXPECT_EQ(test::RunText(folder, "deep.in2", test::ModelText(layout)), 12);
    EXPECT_EQ(ReadTextFile(folder.file("deep.err")),
              "Seam 2 Displacements Are Not Finite - the Solution Diverged \n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("deep.vk1")));
}

}  // namespace
}  // namespace veskjirn
