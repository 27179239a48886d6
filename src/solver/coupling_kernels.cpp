#include "coupling_kernels.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace veskjirn {

namespace {

// True when every centre (j - 0.5) * w for j = first..last is exact in double
// arithmetic; then x_i - x_j rounds to the same value as (i - j) * w, and the
// kernel depends on i - j alone.
bool CentresExact(double w, int first, int last) {
    for (int j = first; j <= last; ++j) {
        const double a = j - 0.5;
        const double x = a * w;
        if (!std::isfinite(x) || std::fma(a, w, -x) != 0.0) return false;
    }
    return true;
}

bool AllFinite(GridRow<const double> D, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (!std::isfinite(D[i])) return false;
    }
    return true;
}

// kernel[k] for k = 0..kernel.size()-1 holds the kernel at distance k * w.
// Returns how many leading entries matter: beyond them the kernel is exactly 0
// and its products (with finite closures) add nothing to the sums.
std::size_t SignificantReach(const std::vector<double>& kernel) {
    std::size_t reach = kernel.size();
    while (reach > 1 && kernel[reach - 1] == 0.0) --reach;
    return reach;
}

// Adds target[j] += table[centre + j - i] * source[i] for i = iFirst..iLast and
// j = jFirst..jLast with |i - j| < reach, in the order i outer, j inner.
void AddConvolution(GridRow<const double> source, int iFirst, int iLast, GridRow<double> target, int jFirst,
                    int jLast, const std::vector<double>& table, long centre, long reach) {
    for (int i = iFirst; i <= iLast; ++i) {
        const double s = source[i];
        const int lo = static_cast<int>(std::max<long>(jFirst, i - reach + 1));
        const int hi = static_cast<int>(std::min<long>(jLast, i + reach - 1));
        if (lo > hi) continue;
        const double* k = table.data() + (centre + lo - i);
        double* t = &target[lo];
        const int count = hi - lo + 1;
        for (int m = 0; m < count; ++m) t[m] += k[m] * s;
    }
}

}  // namespace

void MultiSeamStressLiteral(GridRow<const double> D, int n, double w, GridRow<double> q, double h,
                            const KernelConstants& k) {
    const double A = k.rockModulus * w / (8.0 * std::sqrt(std::numbers::pi * k.lambda * (h * h * h)));
    const double c1 = 4.0 * k.lambda * std::fabs(h);
    const double c2 = 2.0 * k.lambda * std::fabs(h);
    for (int i = 1; i <= n; ++i) {
        const double xi = (i - 0.5) * w;
        for (int j = 1; j <= n; ++j) {
            const double xj = (j - 0.5) * w;
            const double d = xi - xj;
            q[j] = q[j] + std::exp(-(d * d) / c1) * ((d * d) / c2 - 1.0) * A * D[i];
        }
    }
}

void MultiSeamStress(GridRow<const double> D, int n, double w, GridRow<double> q, double h,
                     const KernelConstants& k, bool literal) {
    if (literal || n < 2 || !CentresExact(w, 1, n)) {
        MultiSeamStressLiteral(D, n, w, q, h, k);
        return;
    }
    const double A = k.rockModulus * w / (8.0 * std::sqrt(std::numbers::pi * k.lambda * (h * h * h)));
    const double c1 = 4.0 * k.lambda * std::fabs(h);
    const double c2 = 2.0 * k.lambda * std::fabs(h);
    std::vector<double> kernel(static_cast<std::size_t>(n));
    for (int m = 0; m < n; ++m) {
        const double d = m * w;
        kernel[static_cast<std::size_t>(m)] = std::exp(-(d * d) / c1) * ((d * d) / c2 - 1.0) * A;
    }
    const long reach = AllFinite(D, 1, n) ? static_cast<long>(SignificantReach(kernel)) : n;
    // Symmetric table over offsets j - i = -(n-1)..(n-1), centred at n - 1.
    std::vector<double> table(static_cast<std::size_t>(2 * n - 1));
    for (int m = 0; m < n; ++m) {
        table[static_cast<std::size_t>(n - 1 + m)] = kernel[static_cast<std::size_t>(m)];
        table[static_cast<std::size_t>(n - 1 - m)] = kernel[static_cast<std::size_t>(m)];
    }
    AddConvolution(D, 1, n, q, 1, n, table, n - 1, reach);
}

void RemoteDisplacementLiteral(GridRow<const double> D, int ns, double ws, GridRow<double> R, int nt,
                               double wt, double h, const KernelConstants& k) {
    const double A = ws / (4.0 * std::sqrt(std::numbers::pi * k.lambda * std::fabs(h)));
    const double c = 4.0 * k.lambda * std::fabs(h);
    const double sign = h > 0.0 ? -1.0 : 1.0;
    for (int i = 1; i <= ns; ++i) {
        const double xi = (i - 0.5) * ws;
        for (int j = 0; j <= nt + 1; ++j) {
            const double xj = (j - 0.5) * wt;
            const double d = xi - xj;
            R[j] = R[j] + std::exp(-(d * d) / c) * sign * A * D[i];
        }
    }
}

void RemoteDisplacement(GridRow<const double> D, int ns, double ws, GridRow<double> R, int nt, double wt,
                        double h, const KernelConstants& k, bool literal) {
    if (literal || ns != nt || ws != wt || ns < 1 || !CentresExact(ws, 0, ns + 1)) {
        RemoteDisplacementLiteral(D, ns, ws, R, nt, wt, h, k);
        return;
    }
    const int n = ns;
    const double w = ws;
    const double A = w / (4.0 * std::sqrt(std::numbers::pi * k.lambda * std::fabs(h)));
    const double c = 4.0 * k.lambda * std::fabs(h);
    const double sign = h > 0.0 ? -1.0 : 1.0;
    // Source i = 1..n, target j = 0..n+1: distances |i - j| = 0..n.
    std::vector<double> kernel(static_cast<std::size_t>(n + 1));
    for (int m = 0; m <= n; ++m) {
        const double d = m * w;
        kernel[static_cast<std::size_t>(m)] = std::exp(-(d * d) / c) * sign * A;
    }
    const long reach = AllFinite(D, 1, n) ? static_cast<long>(SignificantReach(kernel)) : n + 1;
    // Offsets j - i = -n..n, centred at n.
    std::vector<double> table(static_cast<std::size_t>(2 * n + 1));
    for (int m = 0; m <= n; ++m) {
        table[static_cast<std::size_t>(n + m)] = kernel[static_cast<std::size_t>(m)];
        table[static_cast<std::size_t>(n - m)] = kernel[static_cast<std::size_t>(m)];
    }
    AddConvolution(D, 1, n, R, 0, n + 1, table, n, reach);
}

}  // namespace veskjirn
