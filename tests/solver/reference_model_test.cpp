// A second, deliberately plain solver written in this file from the model's
// formulas (no code shared with the library beyond its exported entry), run on
// small program-like layouts; every result file and the progress log must
// agree with the library's to the last printed character.
#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "veskjirn.h"

namespace {

using vesk::test::ReadTextFile;
using vesk::test::TempDir;
using vesk::test::WriteTextFile;

// printf in the "C" locale, whatever the process locale is.
std::string Printf(const char* pattern, ...) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    locale_t previous = uselocale(cLocale);
    va_list args;
    va_start(args, pattern);
    char buffer[4096];
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    uselocale(previous);
    return buffer;
}

struct Case {
    const char* name;
    int units;         // unit code of the control line
    bool remnant;      // previous seam: gob between margins, or gob-remnant-gob
    bool activeUnder;  // active seam below the previous one
    double er;         // active extraction ratio
    double w;          // element width (units of the code)
    double depth;      // active seam depth
    double interburden;
    double activeHeight, previousHeight;
    int m, g, g1, r, g2;  // margin, gob, remnant layout widths in elements
    int c, p;             // crosscut and pillar elements of the active seam
};

struct Model {
    int units = 1;
    double er[3]{};
    double w = 0;
    int n = 0;
    double depth[3]{}, height[3]{};
    int critical = 0, criticalSeam = 0;
    std::string codes[3];
};

// The grid as the program lays it out.
Model Layout(const Case& k) {
    Model md;
    md.units = k.units;
    md.w = k.w;
    const int hh = static_cast<int>(std::nearbyint(k.c / 2.0));  // halves to even
    std::string previous, active;
    int anchor;
    if (!k.remnant) {
        md.n = 2 * k.m + k.g;
        previous.assign(static_cast<std::size_t>(md.n), 'J');
        for (int i = k.m + 1; i <= md.n - k.m; ++i) previous[i - 1] = 'S';
        previous[k.m] = '1';
        previous[md.n - k.m - 1] = '1';
        anchor = k.m - hh;
    } else {
        md.n = k.g1 + k.m + k.r + k.g2 + k.m;
        previous.assign(static_cast<std::size_t>(md.n), 'J');
        for (int i = k.m + 1; i <= md.n - k.m; ++i) previous[i - 1] = 'S';
        for (int i = k.m + k.g1 + 1; i <= k.m + k.g1 + k.r; ++i) previous[i - 1] = 'J';
        for (int i : {k.m + 1, k.m + k.g1, md.n - k.m, k.m + k.g1 + k.r + 1}) previous[i - 1] = '1';
        anchor = k.g1 + k.m + k.r - hh;
    }
    active.assign(static_cast<std::size_t>(md.n), '?');
    int i = anchor + 1;
    while (i <= md.n) {
        for (int e = 0; e < k.c && i <= md.n; ++e) active[i++ - 1] = '1';
        for (int e = 0; e < k.p && i <= md.n; ++e) active[i++ - 1] = 'A';
    }
    i = anchor;
    while (i >= 1) {
        for (int e = 0; e < k.p && i >= 1; ++e) active[i-- - 1] = 'A';
        for (int e = 0; e < k.c && i >= 1; ++e) active[i-- - 1] = '1';
    }
    md.critical = anchor;
    const int a = k.activeUnder ? 2 : 1, b = 3 - a;
    md.criticalSeam = a;
    md.codes[a] = active;
    md.codes[b] = previous;
    md.er[a] = k.er;
    md.er[b] = 0;
    md.depth[a] = k.depth;
    md.depth[b] = k.activeUnder ? k.depth - k.interburden : k.depth + k.interburden;
    md.height[a] = k.activeHeight;
    md.height[b] = k.previousHeight;
    return md;
}

std::string InputFile(const Model& md) {
    return Printf("%d,%.17g,%.17g,%.17g,%d,%.17g,%.17g,%.17g,%.17g,%d,%d\n", md.units, md.er[1], md.er[2],
                  md.w, md.n, md.depth[1], md.depth[2], md.height[1], md.height[2], md.critical,
                  md.criticalSeam) +
           md.codes[1] + "\n" + md.codes[2] + "\n\n";
}

struct Files {
    std::string out, dat, vk1, vk2;
};

// The plain solver. Vectors are indexed [seam][column], columns 0..n+1.
Files Solve(const Model& in, const std::string& title) {
    using Row = std::vector<double>;
    Files f;
    const int n = in.n;
    double W = in.w, ob[3] = {0, in.depth[1], in.depth[2]}, th[3] = {0, in.height[1], in.height[2]};
    const double er[3] = {0, in.er[1], in.er[2]};
    auto geometry = [&](std::string& o) {
        o += Printf("  Width of Elements          -- %f\n", W);
        o += Printf("  Number of Elements         -- %i\n", n);
        o += Printf("  Seam One Overburden        -- %f\n", ob[1]);
        o += Printf("  Seam One Thickness         -- %f\n", th[1]);
        o += Printf("  Seam One Extraction Ratio  -- %f\n", er[1]);
        o += Printf("  Seam Two Overburden        -- %f\n", ob[2]);
        o += Printf("  Seam Two Thickness         -- %f\n", th[2]);
        o += Printf("  Seam Two Extraction Ratio  -- %f\n", er[2]);
    };
    auto listing = [&](std::string& o) {
        o += "The Material Codes for Seam One\n" + in.codes[1] + "\nThe Material Codes for Seam Two\n" +
             in.codes[2] + "\n\n";
    };
    std::string& o = f.out;
    o += "  General Input Model Data\n\n";
    geometry(o);
    o += Printf("  Critical Element Location  -- %i\n  Critical Seam              -- %i\n\n", in.critical,
                in.criticalSeam);
    const char* unitNames[] = {"  inches and psi,", "  feet and psi,", "  meters and Pascals,",
                               "  meters and MegaPascals,"};
    o += Printf("  The units system integer is: %i\n", in.units);
    o += "  This means that the parameter values were input to the Vesk Jirn2D program in: \n";
    o += std::string(unitNames[in.units]) + "\n\n";
    listing(o);

    // Constants and material table.
    const bool english = in.units <= 1;
    if (in.units == 1) {
        W *= 12;
        for (int s = 1; s <= 2; ++s) th[s] *= 12, ob[s] *= 12;
    }
    const double E = english ? 3000000.0 : 2.0e10, nu = 0.25;
    double lam = english ? 600.0 : 15.0;
    const double Lambda = std::sqrt(lam * lam / (12 * (1 - nu * nu)));
    double gradient = english ? 0.09375 : 25448.0;
    const double Sc = english ? 900.0 : 6.2e6, Ec = english ? 300000.0 : 2.0e9;
    const double tol = english ? 1e-6 : 1e-8;
    int type[26] = {};
    double par[26][6] = {};
    auto zone = [&](int k, int s, double x) {
        const double P = Sc * (0.64 + 2.16 * x / th[s]);
        type[k] = 3;
        par[k][1] = (1 - er[s]) * P;
        par[k][2] = P / Ec;
        par[k][3] = 0;
        par[k][4] = 0.33;
        par[k][5] = Ec;
    };
    type[0] = 1, par[0][1] = (1 - er[1]) * Ec, par[0][2] = 0.33;
    type[9] = 1, par[9][1] = (1 - er[2]) * Ec, par[9][2] = 0.33;
    for (int k = 1; k <= 8; ++k) zone(k, 1, (8 - k + 0.5) * W);
    for (int k = 10; k <= 17; ++k) zone(k, 2, (16 - k + 1.5) * W);
    type[18] = 5;
    par[18][1] = english ? 100.0 : 690000.0;
    par[18][2] = english ? 300000.0 : 2.0e9;
    par[18][3] = english ? 4000.0 : 2.76e7;
    par[18][4] = 1.0;
    par[18][5] = 0.33;

    std::vector<Row> D(3, Row(n + 2)), sig(3, Row(n + 2)), pre(3, Row(n + 2)), q(3, Row(n + 2)),
        single(3, Row(n + 2)), avgS(3, Row(n + 2)), avgQ(3, Row(n + 2)), esf(3, Row(n + 2)),
        psf(3, Row(n + 2)), R(3, Row(n + 2)), G(3, Row(n + 2)), Hs(3, Row(n + 2));
    std::vector<std::vector<int>> mat(3, std::vector<int>(n + 2)), mark(3, std::vector<int>(n + 2));
    double premining[3];
    for (int s = 1; s <= 2; ++s) {
        premining[s] = gradient * ob[s];
        for (int i = 1; i <= n; ++i) {
            pre[s][i] = premining[s];
            const signed char c = static_cast<signed char>(in.codes[s][i - 1]);
            mat[s][i] = c < 'A' ? c - 22 : c - 65;
        }
        bool opening = false;
        for (int i = 1; i <= n; ++i) {
            const int m = mat[s][i];
            const bool coal = m != 27 && m < 26 && type[m] >= 1 && type[m] <= 3;
            if (!coal) {
                mark[s][i] = 0;
                if (i == 1)
                    opening = true;
                else if (!opening)
                    mark[s][i - 1] = 3, opening = true;
            } else {
                mark[s][i] = 1;
                if (opening || i == 1) mark[s][i] = 2, opening = false;
                if (i == n) mark[s][i] = 3;
            }
        }
    }

    // Model echo.
    o += "Seam Character Codes with Yield Zones Applied\n";
    listing(o);
    o += "Seam Integer Codes with Yield Zones Applied\n";
    for (int s = 1; s <= 2; ++s) {
        o += s == 1 ? "The Material Integer Codes for Seam One\n"
                    : "The Material Integer Codes for Seam Two\n";
        for (int i = 1; i <= n; ++i) o += Printf("%i", mat[s][i]);
        o += "\n";
    }
    o += "\nPillar Integer Codes \n";
    for (int s = 1; s <= 2; ++s) {
        o += s == 1 ? "The Integer Codes for Seam One\n" : "The Integer Codes for Seam Two\n";
        for (int i = 1; i <= n; ++i) o += Printf("%i", mark[s][i]);
        o += "\n";
    }
    o += "\n  General Model Data (adjusted for units)\n\n";
    geometry(o);
    o += "\n  ROCK MASS PROPERTIES\n\n";
    o += Printf("  MODULUS OF ELASTICITY      - %f\n  POISSONS RATIO             - %f\n", E, nu);
    o += Printf("  LAMINATION THICKNESS       - %f\n  LAMBDA VALUE               - %f\n", lam, Lambda);
    o += Printf("  OVERBURDEN STRESS - SEAM 1 - %f\n  OVERBURDEN STRESS - SEAM 2 - %f\n\n", premining[1],
                premining[2]);
    o += "  COAL AND YIELD ZONE PROPERTIES\n\n";
    o += Printf("  COAL STRENGTH         - %f\n  COAL ELASTIC MODULUS  - %f\n", Sc, Ec);
    o += Printf("  COAL POISSONS RATIO   - %f\n  COAL PLASTIC MODULUS  - %f\n", 0.33, 0.0);
    o += Printf("  NUMBER OF YIELD ZONES - %i\n\n", 8);
    o += "  IN_SEAM MATERIAL PROPERTIES (adjusted for extraction ratio) \n";
    o += Printf("  The number of in-seam materials is: %i \n\n", 19);
    for (int k = 0; k < 19; ++k) {
        o += Printf("  Material Number     - %i\n", k + 1);
        if (type[k] == 1) {
            o += "  Linear Elastic Coal\n";
            o += Printf("  Elastic Modulus     - %12.5g\n  Poisson's Ratio     - %12.5g\n", par[k][1],
                        par[k][2]);
        } else if (type[k] == 3) {
            o += "  Elastic-Plastic Coal\n";
            o += Printf("  Peak Stress         - %12.5g\n  Peak Strain         - %12.5g\n", par[k][1],
                        par[k][2]);
            o += Printf("  Plastic Modulus     - %12.5g\n  Poissons Ratio      - %12.5g\n", par[k][3],
                        par[k][4]);
        } else {
            o += "  Strain Hardening Gob\n";
            o += Printf("  Initial Modulus at Zero Stress - %12.5g\n", par[k][1]);
            o += Printf("  Final Modulus at Peak Stress   - %12.5g\n", par[k][2]);
            o += Printf("  Peak Stress                    - %12.5g\n", par[k][3]);
            o += Printf("  Gob Height Factor              - %12.5g\n", par[k][4]);
            o += Printf("  Poissons Ratio                 - %12.5g\n", par[k][5]);
        }
        o += "\n";
    }
    o += "  PROGRAM FLOW CONTROL PARAMETERS\n\n";
    o += Printf("  OVER RELAXATION FACTOR          -- %f\n  MAXIMUM NO. OF ITERATIONS       -- %i\n", 1.65,
                20000);
    o += Printf("  STRESS CONVERGENCE CRITERION    -- %f\n\n", tol);
    o += "  BOUNDARY CONDITION VALUES\n\n";
    o += "  THE WEST BOUNDARY CONDITION  -- 0\n  THE EAST BOUNDARY CONDITION  -- 0\n\n";

    auto sor = [&](int s) {
        const double omega = 1.65, half = omega / 2, h = th[s];
        const double F = (2 / (Lambda * E)) * W * W * half;
        double error = tol + 1;
        int k = 1, position = 0;
        for (;;) {
            if (std::fabs(error) <= tol) return k - 1;
            error = 0;
            for (int i = 1; i <= n; ++i) {
                const int m = mat[s][i];
                const double e = D[s][i] / h;
                const double* pp = par[m < 26 ? m : 0];
                double sg = 0;
                if (m == 27)
                    sg = e <= 1 ? 0 : 0.9 * sig[s][i] + 0.1 * (e - 1) * E;
                else if (type[m] == 1)
                    sg = pp[1] * e;
                else if (type[m] == 3)
                    sg = e < pp[2] ? (pp[1] / pp[2]) * e : pp[1] + pp[3] * (e - pp[2]);
                else {
                    const double b = (pp[2] - pp[1]) / pp[3];
                    sg = (pp[1] / b) * (std::exp(b * (e / pp[4])) - 1);
                }
                sig[s][i] = sg;
            }
            D[s][0] = 0, D[s][n + 1] = 0;
            for (int i = 1; i <= n; ++i) {
                const double old = D[s][i];
                D[s][i] = (D[s][i - 1] + D[s][i + 1]) * half + (1 - omega) * D[s][i] -
                          (sig[s][i] - pre[s][i] - q[s][i]) * F;
                if (std::fabs(error) < std::fabs(D[s][i] - old)) error = D[s][i] - old, position = i;
            }
            if (k % 100 == 0)
                o += Printf("Interation = %i, Maximum Displacement Error = %g, at grid element %i \n", k,
                            error, position);
            if (k >= 20000) return -1;
            ++k;
        }
    };
    auto pillars = [&](int s, auto visit) {
        int first = 1, last = 0;
        for (int i = 1; i <= n; ++i) {
            if (mark[s][i] == 2) first = i;
            if (mark[s][i] == 3) {
                last = i;
                if (i == 1 || mark[s][i - 1] == 0) first = i;
                visit(first, last);
            }
        }
    };
    auto average = [&](int s) {
        pillars(s, [&](int a, int b) {
            double ss = 0, sq = 0;
            for (int i = a; i <= b; ++i) ss += sig[s][i], sq += q[s][i];
            for (int i = a; i <= b; ++i) avgS[s][i] = ss / (b - a + 1), avgQ[s][i] = sq / (b - a + 1);
        });
    };
    auto couple = [&](int s, int t) {
        o += Printf("Calculating MultiSeam Stresses %i -> %i \n\n", s, t);
        const double h = std::fabs(ob[t] - ob[s]);
        const double A = E * W / (8 * std::sqrt(std::numbers::pi * Lambda * std::pow(h, 3)));
        for (int j = 1; j <= n; ++j) q[t][j] = 0;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                const double d = (i - 0.5) * W - (j - 0.5) * W;
                q[t][j] += std::exp(-d * d / (4 * Lambda * h)) * (d * d / (2 * Lambda * h) - 1) * A * D[s][i];
            }
    };
    double singleCritical = 0;
    auto solveSeam = [&](int s) {
        o += Printf("Calculating Seam %i Displacements \n", s);
        const int sweeps = sor(s);
        EXPECT_GT(sweeps, 0);
        o += Printf("Seam %i took %i Iterations to Converge \n\n", s, sweeps);
        return sweeps;
    };
    for (int s = 1; s <= 2; ++s) {
        solveSeam(s);
        if (s == in.criticalSeam) {
            average(s);
            singleCritical = avgS[s][in.critical] / (1 - er[in.criticalSeam]);
            single[s] = sig[s];
        }
    }
    couple(1, 2);
    couple(2, 1);
    for (int largest = 1001; largest > 10;) {
        largest = 0;
        for (int s = 1; s <= 2; ++s) {
            largest = std::max(largest, solveSeam(s));
            couple(s, 3 - s);
        }
    }

    // Post-processing.
    for (int s = 1; s <= 2; ++s) {
        o += Printf("Adjusting the Stress Values for the Extraction Ratio for Seam - %i\n\n", s);
        for (int i = 1; i <= n; ++i)
            if (mark[s][i] != 0) sig[s][i] *= 1 / (1 - er[s]), single[s][i] *= 1 / (1 - er[s]);
    }
    for (int s = 1; s <= 2; ++s) {
        o += Printf("Calculating Safety Factors for Seam - %i\n\n", s);
        const double h = th[s];
        pillars(s, [&](int a, int b) {
            const double width = (b - a + 1) * W;
            const double S = (1 - er[s]) * (Sc * (0.64 + 0.54 * width / h));
            double modulus = 0;
            for (int i = a; i <= b; ++i) {
                const int m = mat[s][i];
                modulus += type[m] == 1 ? par[m][1] : par[m][1] / par[m][2];
            }
            const double crit = S / (modulus / (b - a + 1));
            double strain = 0;
            for (int i = a; i <= b; ++i) {
                const int m = mat[s][i];
                esf[s][i] = type[m] == 1 ? crit / (D[s][i] / h) : par[m][2] / (D[s][i] / h);
                strain += D[s][i] / h;
            }
            for (int i = a; i <= b; ++i) psf[s][i] = crit / (strain / (b - a + 1));
        });
        o += Printf("Calculating Average Pillar Stresses for Seam - %i\n\n", s);
        average(s);
    }
    o += "Calculating the Remote Displacements between the Seams \n\n";
    for (int s = 1; s <= 2; ++s) {
        const int t = 3 - s;
        const double h = ob[s] - ob[t];
        const double A = W / (4 * std::sqrt(std::numbers::pi * Lambda * std::fabs(h)));
        for (int i = 1; i <= n; ++i)
            for (int j = 0; j <= n + 1; ++j) {
                const double d = (i - 0.5) * W - (j - 0.5) * W;
                R[t][j] +=
                    std::exp(-d * d / (4 * Lambda * std::fabs(h))) * (h > 0 ? -1.0 : 1.0) * A * D[s][i];
            }
    }
    o += "Calculating the Horizontal Strains in the Seams \n\n";
    for (int s = 1; s <= 2; ++s) {
        double w = W;
        if (english) {
            for (double& v : R[s]) v *= 0.0254;
            w *= 0.0254;
        }
        for (int j = 0; j <= n; ++j) G[s][j] = (R[s][j + 1] - R[s][j]) / w;
        G[s][n + 1] = G[s][n];
        for (int j = 1; j <= n; ++j) {
            const double c = (G[s][j] - G[s][j - 1]) / w;
            Hs[s][j] = R[s][j] == 0 || c == 0 ? 0.0
                                              : std::sqrt(std::fabs(0.024 * c)) *
                                                    (R[s][j] / std::fabs(R[s][j])) * (c / std::fabs(c));
        }
        if (english)
            for (double& v : R[s]) v /= 0.0254;
    }
    o += Printf("Converting the Output Values to Requested Units - %i \n\n", in.units);
    if (in.units == 1) {
        W /= 12, lam /= 12, gradient *= 12;
        for (int s = 1; s <= 2; ++s) {
            th[s] /= 12, ob[s] /= 12;
            for (int i = 1; i <= n; ++i) D[s][i] /= 12, R[s][i] /= 12;
        }
    } else if (in.units == 3) {
        for (int s = 1; s <= 2; ++s)
            for (int i = 1; i <= n; ++i)
                for (Row* g : {&sig[s], &q[s], &single[s], &avgS[s], &avgQ[s]}) (*g)[i] /= 1000000;
        singleCritical /= 1000000;
    }
    o += "Printing the Jirn2D Compatible File\n\n";
    std::string& d = f.dat;
    d = title + "\n\n";
    d += Printf("%i, %4i, %4i, %4i, %4i, %4i, %4i, %4i, %4i, %4.3g, %4.3g, %4.2g", 2, 19, in.units, 1, 1, 1,
                18, 19, 1, er[1], er[2], 0.33);
    d += Printf("\n%f, %4f, %4f, %4f", nu, E, lam, gradient);
    d += Printf("\n%.7f, %4i, %4.1f, %4.1f, %4.1f, %4.1f, %4i, %4i", W, n, ob[1], ob[2], th[1], th[2], 0, 0);
    for (int k = 0; k < 19; ++k)
        d += Printf("\n%i, %10.5f, %10.5f, %10.5f, %10.5f, %10.5f", type[k], par[k][1], par[k][2], par[k][3],
                    par[k][4], par[k][5]);
    d += Printf("\n%f, %4.8f, %4i, %4i", 1.65, tol, 20000, 0);
    d += "\n\n" + in.codes[1] + "\n" + in.codes[2] + "\n";
    for (int s = 1; s <= 2; ++s) {
        for (int i = 1; i <= n; ++i) d += Printf("%i", mark[s][i]);
        d += "\n";
    }
    d += "\n";
    for (int s = 1; s <= 2; ++s) {
        for (int i = 1; i <= n; ++i)
            d += Printf("\n%13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g", D[s][i],
                        sig[s][i], q[s][i], avgS[s][i], avgQ[s][i], esf[s][i], psf[s][i], R[s][i], Hs[s][i]);
        d += "\n";
    }
    o += "Printing the Vesk Critical Parameter Files\n\n";
    const int cs = in.criticalSeam, ce = in.critical;
    f.vk1 = Printf("%13.5g, %13.5g, %13.5g", singleCritical, avgQ[cs][ce], avgS[cs][ce]);
    for (int i = 1; i <= n; ++i) f.vk2 += Printf("%13.5g, %13.5g\n", single[cs][i], sig[cs][i]);
    o += "Freeing Program Memory\n\n";
    return f;
}

// Layouts in feet (code 1), inches (code 0), meters (codes 2 and 3).
const Case kCases[] = {
    {"gob_over_feet", 1, false, false, 0.2, 2, 500, 40, 7, 6, 6, 12, 0, 0, 0, 3, 5},
    {"gob_under_feet", 1, false, true, 0.25, 2, 600, 50, 6, 5, 7, 14, 0, 0, 0, 4, 6},
    {"remnant_over_feet", 1, true, false, 0.3, 4, 800, 60, 8, 6, 5, 0, 6, 4, 6, 3, 4},
    {"remnant_under_inches", 0, true, true, 0.1, 24, 8400, 600, 84, 72, 6, 0, 5, 3, 5, 2, 5},
    {"gob_over_solid_meters", 2, false, false, 0.0, 1, 200, 15, 2.2, 1.8, 6, 10, 0, 0, 0, 3, 6},
    {"remnant_under_megapascals", 3, true, true, 0.35, 0.5, 250, 12, 2.5, 2.0, 8, 0, 5, 4, 5, 2, 3},
    {"gob_over_megapascals_wide", 3, false, false, 0.15, 2, 300, 6, 2.0, 2.0, 40, 220, 0, 0, 0, 3, 9},
};

class ReferenceModel : public ::testing::TestWithParam<Case> {};

TEST_P(ReferenceModel, EveryFileAgreesWithThePlainSolver) {
    const Case& k = GetParam();
    const Model md = Layout(k);
    ASSERT_EQ(md.codes[1].find('?'), std::string::npos);
    TempDir folder;
    const std::string path = folder.file(std::string(k.name) + ".in2");
    WriteTextFile(path, InputFile(md));
    ASSERT_EQ(VeskJirn(path.c_str()), 0) << ReadTextFile(folder.file(std::string(k.name) + ".err"));
    const Files expected = Solve(md, k.name);
    const std::string base = folder.file(k.name);
    EXPECT_EQ(ReadTextFile(base + ".err"), "");
    EXPECT_EQ(ReadTextFile(base + ".vk1"), expected.vk1);
    EXPECT_EQ(ReadTextFile(base + ".vk2"), expected.vk2);
    EXPECT_EQ(ReadTextFile(base + ".dat"), expected.dat);
    EXPECT_EQ(ReadTextFile(base + ".out"), expected.out);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ReferenceModel, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace

namespace {

// Layouts drawn at random (fixed seed) over the ranges the program produces, in
// every unit code: an order of operations that differs from the formulas would
// sooner or later change a printed digit or a sweep count.
std::vector<Case> RandomCases() {
    std::uint64_t state = 0x9e3779b97f4a7c15ULL;
    auto next = [&state](double lo, double hi) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + (hi - lo) * static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    auto whole = [&next](int lo, int hi) { return static_cast<int>(std::floor(next(lo, hi + 1))); };
    static const char* const kNames[] = {
        "random0", "random1", "random2",  "random3",  "random4",  "random5",  "random6",  "random7",
        "random8", "random9", "random10", "random11", "random12", "random13", "random14", "random15"};
    std::vector<Case> cases;
    for (const char* name : kNames) {
        Case k{};
        k.name = name;
        k.units = whole(0, 3);
        k.remnant = whole(0, 1) == 1;
        k.activeUnder = whole(0, 1) == 1;
        k.er = whole(0, 3) == 0 ? 0.0 : std::round(next(0.05, 0.45) * 1000) / 1000;
        const double feet = k.units == 0 ? 12.0 : 1.0;  // lengths per foot in the file's unit
        const bool metric = k.units >= 2;
        const double scale = metric ? 0.3048 : feet;
        k.w = metric ? std::vector<double>{0.5, 1, 2}[whole(0, 2)] : (whole(0, 1) + 1) * 2 * feet;
        k.depth = std::round(next(300, 2000)) * scale;
        k.interburden = std::round(next(10, 150)) * scale;
        k.activeHeight = std::round(next(3, 12) * 10) / 10 * scale;
        k.previousHeight = std::round(next(3, 12) * 10) / 10 * scale;
        k.m = whole(4, 12);
        k.g = whole(6, 30);
        k.g1 = whole(3, 10);
        k.r = whole(3, 10);
        k.g2 = whole(3, 10);
        k.c = whole(1, 6);
        k.p = whole(2, 12);
        cases.push_back(k);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Random, ReferenceModel, ::testing::ValuesIn(RandomCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
