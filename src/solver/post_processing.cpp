#include "post_processing.h"

#include <cmath>

namespace veskjirn {

void AdjustForExtractionRatio(CVeskJirn2DDoc& doc, int s) {
    const double f = 1.0 / (1.0 - doc.ExtractionRatio[s]);
    GridRow<const int32_t> marks = doc.PillarCodes.Row(s);
    GridRow<double> stress = doc.ElementStressGrid.Row(s);
    GridRow<double> single = doc.SingleSeamStress.Row(s);
    for (int i = 1; i <= doc.ElementCount; ++i) {
        if (marks[i] >= 1 && marks[i] <= 3) {
            stress[i] = stress[i] * f;
            single[i] = single[i] * f;
        }
    }
}

double PillarStrength(const CVeskJirn2DDoc& doc, double width, double height) {
    return doc.ModelCoalStrength * (0.64 + 0.54 * width / height);
}

double Pillar_Average_Modulus(CVeskJirn2DDoc& doc, int s, int first, int last) {
    GridRow<const int32_t> codes = doc.IntCodes.Row(s);
    double sum = 0.0;
    for (int k = first; k <= last; ++k) {
        const int32_t m = codes[k];
        const int32_t type = doc.TypeOf(m);
        const auto& p = doc.MaterialParam[static_cast<std::size_t>(type != 0 ? m : 0)];
        if (type == 1) {
            sum += p[1];
        } else if (type == 2 || type == 3) {
            sum += p[1] / p[2];
        } else {
            doc.ErrLog.Write("Material Code Out of Range in Pillar Average Modulus Routine - PM1\n");
            return -31.0;
        }
    }
    return sum / (last - first + 1);
}

int Strain_Safety_Factor(CVeskJirn2DDoc& doc, int s) {
    const int n = doc.ElementCount;
    const double h = doc.SeamHeight[s];
    GridRow<const int32_t> marks = doc.PillarCodes.Row(s);
    GridRow<const int32_t> codes = doc.IntCodes.Row(s);
    GridRow<const double> D = doc.Displacement.Row(s);
    GridRow<double> elementFactor = doc.ElementSafetyFactor.Row(s);
    GridRow<double> pillarFactor = doc.PillarSafetyFactor.Row(s);
    return ForEachPillar(marks, n, [&](int first, int last) {
        const double width = (last - first + 1) * doc.ElementWidth;
        const double strength = (1.0 - doc.ExtractionRatio[s]) * PillarStrength(doc, width, h);
        const double modulus = Pillar_Average_Modulus(doc, s, first, last);
        if (modulus == -31.0) return static_cast<int>(kStatusPillarModulus);
        const double criticalStrain = strength / modulus;
        for (int k = first; k <= last; ++k) {
            const double e = D[k] / h;
            const int32_t m = codes[k];
            const int32_t type = doc.TypeOf(m);
            if (type == 1) {
                elementFactor[k] = criticalStrain / e;
            } else if (type == 2 || type == 3) {
                elementFactor[k] = doc.MaterialParam[static_cast<std::size_t>(m)][2] / e;
            } else {
                doc.ErrLog.Write("Material Code Out of Range in Safety Factor Routine - SSS1\n");
                return static_cast<int>(kStatusSafetyFactor);
            }
        }
        double strainSum = 0.0;
        for (int k = first; k <= last; ++k) strainSum += D[k] / h;
        const double meanStrain = strainSum / (last - first + 1);
        for (int k = first; k <= last; ++k) pillarFactor[k] = criticalStrain / meanStrain;
        return 0;
    });
}

void AveragePillarStress(CVeskJirn2DDoc& doc, int s) {
    GridRow<const int32_t> marks = doc.PillarCodes.Row(s);
    GridRow<const double> stress = doc.ElementStressGrid.Row(s);
    GridRow<const double> induced = doc.InducedStress.Row(s);
    GridRow<double> avgStress = doc.AvgPillarStress.Row(s);
    GridRow<double> avgInduced = doc.AvgInducedStress.Row(s);
    ForEachPillar(marks, doc.ElementCount, [&](int first, int last) {
        double stressSum = 0.0;
        double inducedSum = 0.0;
        for (int k = first; k <= last; ++k) {
            stressSum += stress[k];
            inducedSum += induced[k];
        }
        const int count = last - first + 1;
        const double stressMean = stressSum / count;
        const double inducedMean = inducedSum / count;
        for (int k = first; k <= last; ++k) {
            avgStress[k] = stressMean;
            avgInduced[k] = inducedMean;
        }
        return 0;
    });
}

void HorizontalStrain(GridRow<double> R, GridRow<double> G, GridRow<double> H, int n, double w,
                      int32_t unitsCode) {
    const bool inches = unitsCode == 0 || unitsCode == 1;
    if (inches) {
        for (int j = 0; j <= n + 1; ++j) R[j] = R[j] * 0.0254;
        w = w * 0.0254;
    }
    for (int j = 0; j <= n; ++j) G[j] = (R[j + 1] - R[j]) / w;
    G[n + 1] = G[n];
    for (int j = 1; j <= n; ++j) {
        const double c = (G[j] - G[j - 1]) / w;
        if (R[j] == 0.0 || c == 0.0) {
            H[j] = 0.0;
        } else {
            H[j] = std::sqrt(std::fabs(0.024 * c)) * (R[j] / std::fabs(R[j])) * (c / std::fabs(c));
        }
    }
    if (inches) {
        for (int j = 0; j <= n + 1; ++j) R[j] = R[j] / 0.0254;
    }
}

void ConvertOutputUnits(CVeskJirn2DDoc& doc) {
    const int n = doc.ElementCount;
    if (doc.UnitsCode == 1) {
        doc.ElementWidth /= 12.0;
        doc.LaminationThickness /= 12.0;
        for (int s = 1; s <= 2; ++s) {
            doc.SeamHeight[s] /= 12.0;
            doc.SeamOverburden[s] /= 12.0;
        }
        for (int s = 1; s <= doc.SeamCount; ++s) {
            for (int i = 1; i <= n; ++i) {
                doc.Displacement(s, i) /= 12.0;
                doc.RemoteDisp(s, i) /= 12.0;
            }
        }
        doc.StressGradient *= 12.0;
    } else if (doc.UnitsCode == 3) {
        Grid<double>* stressGrids[] = {&doc.ElementStressGrid, &doc.InducedStress, &doc.SingleSeamStress,
                                       &doc.AvgPillarStress, &doc.AvgInducedStress};
        for (Grid<double>* grid : stressGrids) {
            for (int s = 1; s <= doc.SeamCount; ++s) {
                for (int i = 1; i <= n; ++i) (*grid)(s, i) /= 1000000.0;
            }
        }
        doc.SingleSeamCriticalStress /= 1000000.0;
    }
}

}  // namespace veskjirn
