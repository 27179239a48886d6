#include "element_stress.h"

#include <array>
#include <cmath>

namespace veskjirn {

namespace {

// The parameters of one material with the quotients its law uses on every
// element worked out once per call (the same operations on the same values).
struct Law {
    int32_t type = 0;
    double p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    double initialSlope = 0;  // p1 / p2 (types 2..4)
    double hardening = 0;     // b = (p2 - p1) / p3 (type 5)
    double scale = 0;         // p1 / b (type 5)
};

std::array<Law, kMaterialSlots> MakeLaws(const CVeskJirn2DDoc& doc) {
    std::array<Law, kMaterialSlots> laws{};
    for (int k = 0; k < kMaterialSlots; ++k) {
        const auto& p = doc.MaterialParam[static_cast<std::size_t>(k)];
        Law& law = laws[static_cast<std::size_t>(k)];
        law.type = doc.MaterialType[static_cast<std::size_t>(k)];
        law.p1 = p[1];
        law.p2 = p[2];
        law.p3 = p[3];
        law.p4 = p[4];
        if (law.type >= 2 && law.type <= 4) law.initialSlope = p[1] / p[2];
        if (law.type == 5) {
            law.hardening = (p[2] - p[1]) / p[3];
            law.scale = p[1] / law.hardening;
        }
    }
    return laws;
}

// The law of one material with its scalar cases, for one element of strain e;
// `previous` is the element's stress before the call (openings only).
inline double OneElement(const Law& law, int32_t m, double e, double previous, double rockModulus,
                         int& error) {
    if (m < kMaterialSlots) {
        switch (m >= 0 ? law.type : 0) {
            case 1: return law.p1 * e;
            case 2:
                if (e < law.p2) return law.initialSlope * e;
                if (e < law.p4) return law.p1 + (law.p3 - law.p1) * (e - law.p2) / (law.p4 - law.p2);
                return law.p3;
            case 3: return e < law.p2 ? law.initialSlope * e : law.p1 + law.p3 * (e - law.p2);
            case 4: {
                const double eg = e / law.p4;
                return eg < law.p2 ? law.initialSlope * eg : law.p1 + law.p3 * (eg - law.p2);
            }
            case 5: {
                const double eg = e / law.p4;
                return law.scale * (std::exp(law.hardening * eg) - 1.0);
            }
            case 6: return (e / law.p3) * law.p1;
            default: error = 3; return 0.0;
        }
    }
    if (m == kMaterialSlots) {
        error = 1;
        return 0.0;
    }
    if (m > kOpeningMaterial) {
        error = 2;
        return 0.0;
    }
    // Opening: no stress until roof meets floor, then the contact stress moves
    // a tenth of the way towards its target on every call.
    return e <= 1.0 ? 0.0 : 0.9 * previous + 0.1 * (e - 1.0) * rockModulus;
}

void WriteElementStressError(CVeskJirn2DDoc& doc, int error) {
    static const char* const kMessages[] = {"",
                                            "Material Code Out of Range in Element Stress Routine - ES1\n",
                                            "Material Code Out of Range in Element Stress Routine - ES2\n",
                                            "Material Code Out of Range in Element Stress Routine - ES3\n"};
    doc.ErrLog.Write(kMessages[error]);
}

}  // namespace

std::vector<MaterialRun> MaterialRuns(GridRow<const int32_t> codes, int n) {
    std::vector<MaterialRun> runs;
    for (int i = 1; i <= n; ++i) {
        if (runs.empty() || runs.back().material != codes[i]) {
            runs.push_back({i, i, codes[i]});
        } else {
            runs.back().last = i;
        }
    }
    return runs;
}

int ElementStressByRuns(CVeskJirn2DDoc& doc, GridRow<const double> D, GridRow<double> sigma,
                        const std::vector<MaterialRun>& runs, double h) {
    const std::array<Law, kMaterialSlots> laws = MakeLaws(doc);
    const double rockModulus = doc.RockModulus;
    for (const MaterialRun& run : runs) {
        const int32_t m = run.material;
        const Law& law = laws[static_cast<std::size_t>(m >= 0 && m < kMaterialSlots ? m : 0)];
        const double* d = &D[run.first];
        double* sg = &sigma[run.first];
        const int count = run.last - run.first + 1;
        const int type = m >= 0 && m < kMaterialSlots ? law.type : -1;
        if (type == 1) {
            const double p1 = law.p1;
            for (int k = 0; k < count; ++k) sg[k] = p1 * (d[k] / h);
        } else if (type == 3) {
            const double p1 = law.p1, p2 = law.p2, p3 = law.p3, slope = law.initialSlope;
            for (int k = 0; k < count; ++k) {
                const double e = d[k] / h;
                sg[k] = e < p2 ? slope * e : p1 + p3 * (e - p2);
            }
        } else if (type == 5) {
            const double p4 = law.p4, hardening = law.hardening, scale = law.scale;
            for (int k = 0; k < count; ++k) {
                const double eg = (d[k] / h) / p4;
                sg[k] = scale * (std::exp(hardening * eg) - 1.0);
            }
        } else {
            int error = 0;
            for (int k = 0; k < count; ++k) {
                const double stress = OneElement(law, m, d[k] / h, sg[k], rockModulus, error);
                if (error != 0) {
                    WriteElementStressError(doc, error);
                    return error;
                }
                sg[k] = stress;
            }
        }
    }
    return 0;
}

int ElementStress(CVeskJirn2DDoc& doc, GridRow<const double> D, GridRow<double> sigma, int n,
                  GridRow<const int32_t> codes, double h) {
    const std::array<Law, kMaterialSlots> laws = MakeLaws(doc);
    for (int i = 1; i <= n; ++i) {
        const int32_t m = codes[i];
        const Law& law = laws[static_cast<std::size_t>(m >= 0 && m < kMaterialSlots ? m : 0)];
        int error = 0;
        const double stress = OneElement(law, m, D[i] / h, sigma[i], doc.RockModulus, error);
        if (error != 0) {
            WriteElementStressError(doc, error);
            return error;
        }
        sigma[i] = stress;
    }
    return 0;
}

}  // namespace veskjirn
