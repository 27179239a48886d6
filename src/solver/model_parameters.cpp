#include "model_parameters.h"

#include <cmath>

namespace veskjirn {

namespace {

void SetMaterial(CVeskJirn2DDoc& doc, int k, int32_t type, double p1, double p2, double p3, double p4,
                 double p5) {
    auto slot = static_cast<std::size_t>(k);
    doc.MaterialType[slot] = type;
    auto& p = doc.MaterialParam[slot];
    p[1] = p1;
    p[2] = p2;
    p[3] = p3;
    p[4] = p4;
    p[5] = p5;
    p[6] = 0.0;
}

// Elastic-plastic yield zone of seam s at distance x from the rib.
void SetYieldZone(CVeskJirn2DDoc& doc, int k, int s, double x) {
    double peak = PeakStress(x, doc.SeamHeight[s], doc.ModelCoalStrength);
    SetMaterial(doc, k, 3, (1.0 - doc.ExtractionRatio[s]) * peak, peak / doc.CoalModulus,
                doc.CoalPlasticModulus, doc.CoalPoisson, doc.CoalModulus);
}

}  // namespace

double PeakStress(double x, double h, double coalStrength) {
    return coalStrength * (0.64 + 2.16 * x / h);
}

void SetModelParameters(CVeskJirn2DDoc& doc) {
    doc.SeamCount = 2;
    doc.YieldZoneCount = 8;
    doc.MaterialCount = 2 * doc.YieldZoneCount + 3;
    doc.WestBoundary = 0;
    doc.EastBoundary = 0;
    doc.CoalPoisson = 0.33;
    doc.CoalPlasticModulus = 0.0;
    doc.GobHeightFactor = 1.0;
    doc.GobPoisson = 0.33;
    doc.OverRelaxation = 1.65;
    doc.MaxIterations = 20000;

    if (doc.UnitsCode == 1) {  // feet to inches
        doc.ElementWidth *= 12.0;
        for (int s = 1; s <= 2; ++s) {
            doc.SeamHeight[s] *= 12.0;
            doc.SeamOverburden[s] *= 12.0;
        }
    }

    const bool english = doc.UnitsCode == 0 || doc.UnitsCode == 1;
    doc.RockPoisson = 0.25;
    if (english) {  // inches and psi
        doc.RockModulus = 3000000.0;
        doc.LaminationThickness = 600.0;
        doc.StressGradient = 0.09375;
        doc.ModelCoalStrength = 900.0;
        doc.CoalModulus = 300000.0;
        doc.GobInitialModulus = 100.0;
        doc.GobFinalModulus = 300000.0;
        doc.GobPeakStress = 4000.0;
        doc.ConvergenceTolerance = 1e-6;
    } else {  // meters and Pascals
        doc.RockModulus = 2.0e10;
        doc.LaminationThickness = 15.0;
        doc.StressGradient = 25448.0;
        doc.ModelCoalStrength = 6.2e6;
        doc.CoalModulus = 2.0e9;
        doc.GobInitialModulus = 690000.0;
        doc.GobFinalModulus = 2.0e9;
        doc.GobPeakStress = 2.76e7;
        doc.ConvergenceTolerance = 1e-8;
    }
    const double t = doc.LaminationThickness;
    const double nu = doc.RockPoisson;
    doc.Lambda = std::sqrt(t * t / (12.0 * (1.0 - nu * nu)));

    doc.MaterialType.fill(0);
    for (auto& p : doc.MaterialParam) p.fill(0.0);

    const int ny = doc.YieldZoneCount;
    const double w = doc.ElementWidth;
    SetMaterial(doc, 0, 1, (1.0 - doc.ExtractionRatio[1]) * doc.CoalModulus, doc.CoalPoisson, 0.0, 0.0, 0.0);
    SetMaterial(doc, ny + 1, 1, (1.0 - doc.ExtractionRatio[2]) * doc.CoalModulus, doc.CoalPoisson, 0.0, 0.0,
                0.0);
    for (int k = 1; k <= ny; ++k) SetYieldZone(doc, k, 1, ((ny - k) + 0.5) * w);
    for (int k = ny + 2; k <= 2 * ny + 1; ++k) SetYieldZone(doc, k, 2, ((2 * ny - k) + 1.5) * w);
    SetMaterial(doc, 2 * ny + 2, 5, doc.GobInitialModulus, doc.GobFinalModulus, doc.GobPeakStress,
                doc.GobHeightFactor, doc.GobPoisson);
}

}  // namespace veskjirn
