// Whole runs: the result files' layout, an independently derived small model,
// the fast and literal kernels side by side, output units and locales.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <thread>

#include "solver_fixture.h"

namespace veskjirn {
namespace {

using vesk::test::ReadTextFile;
using vesk::test::TempDir;
using veskjirn::test::ModelSpec;
using veskjirn::test::ParseNumbers;
using veskjirn::test::SplitLines;

struct RunFiles {
    std::string out, err, dat, vk1, vk2;
};

RunFiles ReadRun(const TempDir& folder, const std::string& base) {
    return {ReadTextFile(folder.file(base + ".out")), ReadTextFile(folder.file(base + ".err")),
            ReadTextFile(folder.file(base + ".dat")), ReadTextFile(folder.file(base + ".vk1")),
            ReadTextFile(folder.file(base + ".vk2"))};
}

TEST(ResultFiles, LayoutTheProgramReadersRelyOn) {
    TempDir folder;
    ModelSpec layout;
    const int n = 2 * layout.margin + layout.gob;
    ASSERT_EQ(test::RunText(folder, "model.in2", test::ModelText(layout)), 0);
    RunFiles files = ReadRun(folder, "model");
    EXPECT_EQ(files.err, "");

    std::vector<std::string> dat = SplitLines(files.dat);
    ASSERT_EQ(dat.size(), static_cast<std::size_t>(32 + n + 1 + n));
    EXPECT_EQ(files.dat.back(), '\n');
    EXPECT_EQ(dat[0], "model");
    EXPECT_EQ(dat[1], "");
    EXPECT_EQ(dat[2], "2,   19,    1,    1,    1,    1,   18,   19,    1,  0.2,    0, 0.33");
    EXPECT_EQ(dat[3], "0.250000, 3000000.000000, 50.000000, 1.125000");
    EXPECT_EQ(dat[4], "2.0000000,  350, 500.0, 550.0,  7.0,  6.0,    0,    0");
    EXPECT_EQ(dat[5], "1, 240000.00000,    0.33000,    0.00000,    0.00000,    0.00000");
    EXPECT_EQ(dat[23], "5,  100.00000, 300000.00000, 4000.00000,    1.00000,    0.33000");
    EXPECT_EQ(dat[24], "1.650000, 0.00000100, 20000,    0");
    EXPECT_EQ(dat[25], "");
    EXPECT_EQ(dat[26].size(), static_cast<std::size_t>(n));
    EXPECT_EQ(dat[28].substr(0, 8), "00000211");
    EXPECT_EQ(dat[29].substr(0, 3), "211");
    EXPECT_EQ(dat[30], "");
    EXPECT_EQ(dat[31], "");
    EXPECT_EQ(dat[32 + n], "");
    for (std::size_t k : {std::size_t{32}, static_cast<std::size_t>(32 + n - 1),
                          static_cast<std::size_t>(33 + n), dat.size() - 1}) {
        EXPECT_EQ(ParseNumbers(dat[k]).size(), 9u) << "line " << k + 1;
        EXPECT_EQ(dat[k].size(), 9 * 13 + 8 * 2u) << "line " << k + 1;
    }

    EXPECT_EQ(files.vk1.find('\n'), std::string::npos);
    EXPECT_EQ(files.vk1.size(), 3 * 13 + 2 * 2u);
    EXPECT_EQ(ParseNumbers(files.vk1).size(), 3u);
    std::vector<std::string> vk2 = SplitLines(files.vk2);
    EXPECT_EQ(vk2.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(files.vk2.back(), '\n');

    // The critical pillar's stress in the profile file equals the .vk1 value.
    const int critical = test::CriticalElementOf(layout);
    EXPECT_EQ(ParseNumbers(vk2[static_cast<std::size_t>(critical - 1)])[0] > 0, true);
    EXPECT_EQ(ParseNumbers(dat[static_cast<std::size_t>(31 + critical)])[3], ParseNumbers(files.vk1)[2]);

    const char* progress[] = {
        "Calculating Seam 1 Displacements \n",
        "Seam 2 took ",
        "Calculating MultiSeam Stresses 1 -> 2 \n\n",
        "Adjusting the Stress Values for the Extraction Ratio for Seam - 2\n\n",
        "Calculating Safety Factors for Seam - 1\n\nCalculating Average Pillar Stresses for Seam - 1\n\n",
        "Calculating the Remote Displacements between the Seams \n\n"
        "Calculating the Horizontal Strains in the Seams \n\n"
        "Converting the Output Values to Requested Units - 1 \n\n"
        "Printing the Jirn2D Compatible File\n\nPrinting the Vesk Critical Parameter Files\n\n"
        "Freeing Program Memory\n\n"};
    for (const char* piece : progress) EXPECT_NE(files.out.find(piece), std::string::npos) << piece;
}

// Dense Gaussian elimination with partial pivoting.
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const std::size_t m = b.size();
    for (std::size_t col = 0; col < m; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < m; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (std::size_t r = col + 1; r < m; ++r) {
            const double f = a[r][col] / a[col][col];
            for (std::size_t c = col; c < m; ++c) a[r][c] -= f * a[col][c];
            b[r] -= f * b[col];
        }
    }
    std::vector<double> x(m);
    for (std::size_t r = m; r-- > 0;) {
        double sum = b[r];
        for (std::size_t c = r + 1; c < m; ++c) sum -= a[r][c] * x[c];
        x[r] = sum / a[r][r];
    }
    return x;
}

// Twenty elements per seam, everything linear: an active seam with one
// crosscut over solid coal. At rest every element satisfies
//   D_i - (D_(i-1) + D_(i+1)) / 2 + c (k_i D_i - q_i) = c p,   c = w^2 / (Lambda E),
// with the stiffness k_i = (1 - ER) E_coal / h (0 in the opening), q the stress
// induced by the other seam through the Gaussian kernel, D_0 = D_(n+1) = 0. The
// .vk1 values follow from the solutions of that linear system with and
// without coupling.
TEST(SmallModel, CriticalStressesMatchAnIndependentSolution) {
    const int n = 20;
    const std::string seam1 = "AAAAAAA111111AAAAAAA", seam2(n, 'J');
    TempDir folder;
    ASSERT_EQ(
        test::RunText(folder, "small.in2", test::InputText("1,0.2,0,2,20,500,550,7,6,7,1", seam1, seam2)), 0);
    std::vector<double> vk1 = ParseNumbers(ReadTextFile(folder.file("small.vk1")));
    ASSERT_EQ(vk1.size(), 3u);

    const double E = 3.0e6, lambda = std::sqrt(600.0 * 600.0 / (12 * (1 - 0.0625))), w = 24.0;
    const double er = 0.2, c = w * w / (lambda * E), gap = 600.0;
    const double p[2] = {0.09375 * 6000.0, 0.09375 * 6600.0};
    double k[2][n];
    for (int i = 0; i < n; ++i) {
        k[0][i] = seam1[static_cast<std::size_t>(i)] == 'A' ? (1 - er) * 300000.0 / 84.0 : 0.0;
        k[1][i] = 300000.0 / 72.0;
    }
    auto kernel = [&](int i, int j) {
        const double d = (i - j) * w;
        return std::exp(-d * d / (4 * lambda * gap)) * (d * d / (2 * lambda * gap) - 1) * E * w /
               (8 * std::sqrt(std::numbers::pi * lambda * gap * gap * gap));
    };
    auto system = [&](bool coupled) {
        std::vector<std::vector<double>> a(2 * n, std::vector<double>(2 * n, 0.0));
        std::vector<double> b(2 * n);
        for (int s = 0; s < 2; ++s) {
            for (int i = 0; i < n; ++i) {
                const int r = s * n + i;
                a[r][r] = 1 + c * k[s][i];
                if (i > 0) a[r][r - 1] = -0.5;
                if (i < n - 1) a[r][r + 1] = -0.5;
                if (coupled) {
                    for (int j = 0; j < n; ++j) a[r][(1 - s) * n + j] -= c * kernel(i, j);
                }
                b[r] = c * p[s];
            }
        }
        return Solve(a, b);
    };
    const std::vector<double> single = system(false), coupled = system(true);
    double singleStress = 0, pillarStress = 0, induced = 0;
    for (int i = 0; i < 7; ++i) {
        singleStress += k[0][i] * single[static_cast<std::size_t>(i)] / 7;
        pillarStress += k[0][i] * coupled[static_cast<std::size_t>(i)] / 7;
        for (int j = 0; j < n; ++j) induced += kernel(i, j) * coupled[static_cast<std::size_t>(n + j)] / 7;
    }
    singleStress /= 1 - er;
    pillarStress /= 1 - er;
    EXPECT_NEAR(vk1[0], singleStress, 2e-4 * singleStress);
    EXPECT_NEAR(vk1[1], induced, 2e-4 * std::fabs(induced) + 1e-3);
    EXPECT_NEAR(vk1[2], pillarStress, 2e-4 * pillarStress);
}

// The table-driven kernels and the branch-free sweep must not change a single
// character of any file.
TEST(FastKernels, WholeRunsMatchTheLiteralKernelsCharacterForCharacter) {
    ModelSpec program;
    ModelSpec inches;
    inches.unitsCode = 0;
    inches.width = 24;
    inches.depth1 = 6000;
    inches.depth2 = 5400;  // the active seam under the previous one
    inches.height1 = 84;
    inches.height2 = 72;
    inches.margin = 60;
    inches.gob = 90;
    ModelSpec megapascals;
    megapascals.unitsCode = 3;
    megapascals.width = 0.5;
    megapascals.depth1 = 150;
    megapascals.depth2 = 165;
    megapascals.height1 = 2.1;
    megapascals.height2 = 1.8;
    megapascals.margin = 70;
    megapascals.gob = 60;
    int index = 0;
    for (const ModelSpec& layout : {program, inches, megapascals}) {
        TempDir folder;
        const std::string text = test::ModelText(layout);
        ASSERT_EQ(test::RunText(folder, "fast.in2", text, false), 0) << index;
        ASSERT_EQ(test::RunText(folder, "literal.in2", text, true), 0) << index;
        RunFiles fast = ReadRun(folder, "fast"), literal = ReadRun(folder, "literal");
        EXPECT_EQ(fast.out, literal.out) << index;
        EXPECT_EQ(fast.err, literal.err) << index;
        EXPECT_EQ(fast.dat.substr(fast.dat.find('\n')), literal.dat.substr(literal.dat.find('\n'))) << index;
        EXPECT_EQ(fast.vk1, literal.vk1) << index;
        EXPECT_EQ(fast.vk2, literal.vk2) << index;
        ++index;
    }
}

// The seams are solved alternately until a pass in which neither needs more
// than ten sweeps; every solution does at least one sweep.
TEST(Coupling, PassesEndAfterTheFirstSettledPass) {
    ModelSpec near, far;
    far.depth2 = 50000;
    for (const ModelSpec& layout : {near, far}) {
        TempDir folder;
        ASSERT_EQ(test::RunText(folder, "m.in2", test::ModelText(layout)), 0);
        const std::string out = ReadTextFile(folder.file("m.out"));
        std::vector<int> sweeps;
        for (const std::string& line : SplitLines(out)) {
            int seam = 0, count = 0;
            if (std::sscanf(line.c_str(), "Seam %d took %d Iterations to Converge ", &seam, &count) == 2) {
                EXPECT_EQ(seam, static_cast<int>(sweeps.size() % 2) + 1);
                sweeps.push_back(count);
            }
        }
        ASSERT_GE(sweeps.size(), 4u);
        ASSERT_EQ(sweeps.size() % 2, 0u);
        for (int count : sweeps) EXPECT_GE(count, 1);
        for (std::size_t pass = 2; pass + 2 < sweeps.size(); pass += 2)
            EXPECT_GT(std::max(sweeps[pass], sweeps[pass + 1]), 10) << "pass " << pass / 2;
        EXPECT_LE(std::max(sweeps[sweeps.size() - 2], sweeps.back()), 10);
        EXPECT_LT(out.rfind("Iterations to Converge"), out.find("Adjusting the Stress Values"));
    }
}

// Runs share nothing: two at once give what each gives alone.
TEST(Coupling, SimultaneousRunsOnOtherFilesDoNotInterfere) {
    TempDir folder;
    ModelSpec other;
    other.depth2 = 520;
    const std::string texts[2] = {test::ModelText(ModelSpec{}), test::ModelText(other)};
    for (int k = 0; k < 2; ++k)
        ASSERT_EQ(test::RunText(folder, "alone" + std::to_string(k) + ".in2", texts[k]), 0);
    int32_t status[2] = {-1, -1};
    std::thread first([&] { status[0] = test::RunText(folder, "together0.in2", texts[0]); });
    std::thread second([&] { status[1] = test::RunText(folder, "together1.in2", texts[1]); });
    first.join();
    second.join();
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(status[k], 0);
        EXPECT_EQ(ReadTextFile(folder.file("alone" + std::to_string(k) + ".vk2")),
                  ReadTextFile(folder.file("together" + std::to_string(k) + ".vk2")));
    }
}

TEST(OutputUnits, MegapascalsDivideTheStressesOnly) {
    ModelSpec layout;
    layout.unitsCode = 2;
    layout.width = 0.5;
    layout.depth1 = 150;
    layout.depth2 = 165;
    layout.height1 = 2.1;
    layout.height2 = 1.8;
    layout.margin = 70;
    layout.gob = 60;
    TempDir folder;
    ASSERT_EQ(test::RunText(folder, "pa.in2", test::ModelText(layout)), 0);
    layout.unitsCode = 3;
    ASSERT_EQ(test::RunText(folder, "mpa.in2", test::ModelText(layout)), 0);
    RunFiles pa = ReadRun(folder, "pa"), mpa = ReadRun(folder, "mpa");
    std::vector<double> vk1Pa = ParseNumbers(pa.vk1), vk1MPa = ParseNumbers(mpa.vk1);
    ASSERT_EQ(vk1MPa.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(vk1MPa[k], vk1Pa[k] / 1e6, 1e-4 * std::fabs(vk1MPa[k]));
    const int n = 2 * layout.margin + layout.gob;
    for (int s = 1; s <= 2; ++s) {
        EXPECT_EQ(test::DatColumn(pa.dat, n, s, 0), test::DatColumn(mpa.dat, n, s, 0));  // displacements
        EXPECT_EQ(test::DatColumn(pa.dat, n, s, 5), test::DatColumn(mpa.dat, n, s, 5));  // safety factors
        std::vector<double> stressPa = test::DatColumn(pa.dat, n, s, 1),
                            stressMPa = test::DatColumn(mpa.dat, n, s, 1);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(stressMPa[static_cast<std::size_t>(i)], stressPa[static_cast<std::size_t>(i)] / 1e6,
                        1e-4 * std::fabs(stressMPa[static_cast<std::size_t>(i)]) + 1e-12);
        }
    }
}

TEST(Locale, CommaLocaleChangesNoCharacterOfAnyFile) {
    TempDir folder;
    const std::string text = test::ModelText(ModelSpec{});
    ASSERT_EQ(test::RunText(folder, "plain.in2", text), 0);
    {
        vesk::test::CommaLocale comma;
        if (!comma.available()) GTEST_SKIP() << "no comma locale installed";
        ASSERT_EQ(test::RunText(folder, "comma.in2", text), 0);
    }
    RunFiles plain = ReadRun(folder, "plain"), comma = ReadRun(folder, "comma");
    EXPECT_EQ(plain.out, comma.out);
    EXPECT_EQ(plain.dat.substr(plain.dat.find('\n')), comma.dat.substr(comma.dat.find('\n')));
    EXPECT_EQ(plain.vk1, comma.vk1);
    EXPECT_EQ(plain.vk2, comma.vk2);
    EXPECT_NE(comma.vk1.find('.'), std::string::npos);
}

}  // namespace
}  // namespace veskjirn
