#include "seam_solution.h"

#include <cmath>
#include <vector>

#include "element_stress.h"
#include "number_format.h"

namespace veskjirn {

namespace {

struct SweepResult {
    double error;  // largest change of the sweep, with its sign
    int position;  // element of that change
};

// One west-to-east sweep, written as the update reads.
void SweepLiteral(GridRow<double> D, GridRow<const double> sigma, GridRow<const double> p,
                  GridRow<const double> q, int n, double omega, double half, double F, SweepResult& r) {
    for (int i = 1; i <= n; ++i) {
        const double old = D[i];
        D[i] = (D[i - 1] + D[i + 1]) * half + (1.0 - omega) * D[i] - (sigma[i] - p[i] - q[i]) * F;
        const double delta = D[i] - old;
        if (std::fabs(r.error) < std::fabs(delta)) {
            r.error = delta;
            r.position = i;
        }
    }
}

// The same sweep with the load term of every element worked out before the
// chain of dependent updates starts (same operations, same order), and the
// error tracking done with selects instead of branches.
void SweepFast(GridRow<double> D, GridRow<const double> sigma, GridRow<const double> p,
               GridRow<const double> q, int n, double omega, double half, double F, std::vector<double>& load,
               SweepResult& r) {
    const double* sg = sigma.data();
    const double* pp = p.data();
    const double* qq = q.data();
    double* ld = load.data();
    for (int m = 0; m < n; ++m) ld[m] = (sg[m] - pp[m] - qq[m]) * F;

    const double keep = 1.0 - omega;
    double* d = D.data();  // column 0
    double west = d[0];
    double error = r.error;
    int position = r.position;
    for (int i = 1; i <= n; ++i) {
        const double old = d[i];
        const double updated = (west + d[i + 1]) * half + keep * old - ld[i - 1];
        d[i] = updated;
        west = updated;
        const double delta = updated - old;
        const bool larger = std::fabs(error) < std::fabs(delta);
        error = larger ? delta : error;
        position = larger ? i : position;
    }
    r.error = error;
    r.position = position;
}

}  // namespace

void FindPillars(CVeskJirn2DDoc& doc, int s) {
    const int n = doc.ElementCount;
    GridRow<int32_t> marks = doc.PillarCodes.Row(s);
    GridRow<const int32_t> codes = doc.IntCodes.Row(s);
    bool inOpening = false;
    for (int i = 1; i <= n; ++i) {
        const int32_t m = codes[i];
        const int32_t type = doc.TypeOf(m);
        const bool coal = m != kOpeningMaterial && type >= 1 && type <= 3;
        if (!coal) {
            marks[i] = 0;
            if (i == 1) {
                inOpening = true;
            } else if (!inOpening) {
                marks[i - 1] = 3;
                inOpening = true;
            }
        } else {
            marks[i] = 1;
            if (inOpening || i == 1) {
                marks[i] = 2;
                inOpening = false;
            }
            if (i == n) marks[i] = 3;
        }
    }
}

void ApplyBoundaryConditions(const CVeskJirn2DDoc& doc, GridRow<double> D) {
    const int n = doc.ElementCount;
    D[0] = doc.WestBoundary == 1 ? D[1] : 0.0;
    D[n + 1] = doc.EastBoundary == 1 ? D[n] : 0.0;
}

int SOR(CVeskJirn2DDoc& doc, int s) {
    const int n = doc.ElementCount;
    const double w = doc.ElementWidth;
    const double h = doc.SeamHeight[s];
    const double omega = doc.OverRelaxation;
    const double half = omega / 2.0;
    const double F = (2.0 / (doc.Lambda * doc.RockModulus)) * (w * w) * half;
    const double tolerance = doc.ConvergenceTolerance;

    GridRow<double> D = doc.Displacement.Row(s);
    GridRow<double> sigma = doc.ElementStressGrid.Row(s);
    GridRow<const double> p = doc.PreminingGrid.Row(s);
    GridRow<const double> q = doc.InducedStress.Row(s);
    GridRow<const int32_t> codes = doc.IntCodes.Row(s);
    const bool literal = doc.Options.literalKernels;
    std::vector<double> load(literal ? 0 : static_cast<std::size_t>(n));
    const std::vector<MaterialRun> runs = literal ? std::vector<MaterialRun>() : MaterialRuns(codes, n);

    SweepResult sweep{tolerance + 1.0, 0};
    int k = 1;
    for (;;) {
        if (std::fabs(sweep.error) <= tolerance) return k - 1;
        sweep.error = 0.0;
        const int stressError =
            literal ? ElementStress(doc, D, sigma, n, codes, h) : ElementStressByRuns(doc, D, sigma, runs, h);
        if (stressError != 0) return -kStatusElementStress;
        ApplyBoundaryConditions(doc, D);
        if (literal) {
            SweepLiteral(D, sigma, p, q, n, omega, half, F, sweep);
        } else {
            SweepFast(D, sigma, p, q, n, omega, half, F, load, sweep);
        }
        if (k % 100 == 0) {
            doc.OutLog.Write(Format("Interation = %i, Maximum Displacement Error = %g, at grid element %i \n",
                                    {k, sweep.error, sweep.position}));
        }
        if (k >= doc.MaxIterations) {
            doc.ErrLog.Write(Format("Maximum Number of Iterations (%i) Reached \n", {doc.MaxIterations}));
            return -kStatusIterationLimit;
        }
        ++k;
    }
}

}  // namespace veskjirn
