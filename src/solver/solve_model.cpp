#include "solve_model.h"

#include <algorithm>
#include <cmath>

#include "coupling_kernels.h"
#include "input_reader.h"
#include "model_echo.h"
#include "model_parameters.h"
#include "number_format.h"
#include "post_processing.h"
#include "result_writers.h"
#include "seam_solution.h"

namespace veskjirn {

namespace {

int OtherSeam(int s) {
    return s == 1 ? 2 : 1;
}

KernelConstants Kernels(const CVeskJirn2DDoc& doc) {
    return {doc.RockModulus, doc.Lambda};
}

// Replaces the induced stress of seam t by what the closure of seam s induces.
void Couple(CVeskJirn2DDoc& doc, int s, int t) {
    doc.OutLog.Write(Format("Calculating MultiSeam Stresses %i -> %i \n\n", {s, t}));
    const int n = doc.ElementCount;
    GridRow<double> q = doc.InducedStress.Row(t);
    for (int j = 1; j <= n; ++j) q[j] = 0.0;
    MultiSeamStress(doc.Displacement.Row(s), n, doc.ElementWidth, q,
                    std::fabs(doc.SeamOverburden[t] - doc.SeamOverburden[s]), Kernels(doc),
                    doc.Options.literalKernels);
}

// Solves seam s; returns its sweeps or the negative status of a failure.
int SolveSeam(CVeskJirn2DDoc& doc, int s) {
    doc.OutLog.Write(Format("Calculating Seam %i Displacements \n", {s}));
    const int sweeps = SOR(doc, s);
    if (sweeps < 0) return sweeps;
    // Closures that overflowed make every later number meaningless; such a
    // solution has not converged, whatever its last sweep said.
    GridRow<const double> D = doc.Displacement.Row(s);
    for (int i = 1; i <= doc.ElementCount; ++i) {
        if (!std::isfinite(D[i])) {
            doc.ErrLog.Write(Format("Seam %i Displacements Are Not Finite - the Solution Diverged \n", {s}));
            return -kStatusIterationLimit;
        }
    }
    doc.OutLog.Write(Format("Seam %i took %i Iterations to Converge \n\n", {s, sweeps}));
    return sweeps;
}

int32_t PostProcess(CVeskJirn2DDoc& doc) {
    const int n = doc.ElementCount;
    for (int s = 1; s <= 2; ++s) {
        doc.OutLog.Write(
            Format("Adjusting the Stress Values for the Extraction Ratio for Seam - %i\n\n", {s}));
        AdjustForExtractionRatio(doc, s);
    }
    for (int s = 1; s <= 2; ++s) {
        doc.OutLog.Write(Format("Calculating Safety Factors for Seam - %i\n\n", {s}));
        if (int status = Strain_Safety_Factor(doc, s); status != 0) return status;
        doc.OutLog.Write(Format("Calculating Average Pillar Stresses for Seam - %i\n\n", {s}));
        AveragePillarStress(doc, s);
    }

    doc.OutLog.Write("Calculating the Remote Displacements between the Seams \n\n");
    for (int s = 1; s <= 2; ++s) {
        for (int j = 1; j <= n; ++j) doc.RemoteDisp(s, j) = 0.0;
    }
    for (int s = 1; s <= 2; ++s) {
        const int t = OtherSeam(s);
        RemoteDisplacement(doc.Displacement.Row(s), n, doc.ElementWidth, doc.RemoteDisp.Row(t), n,
                           doc.ElementWidth, doc.SeamOverburden[s] - doc.SeamOverburden[t], Kernels(doc),
                           doc.Options.literalKernels);
    }

    doc.OutLog.Write("Calculating the Horizontal Strains in the Seams \n\n");
    for (int s = 1; s <= 2; ++s) {
        HorizontalStrain(doc.RemoteDisp.Row(s), doc.Slope.Row(s), doc.HStrain.Row(s), n, doc.ElementWidth,
                         doc.UnitsCode);
    }

    doc.OutLog.Write(Format("Converting the Output Values to Requested Units - %i \n\n", {doc.UnitsCode}));
    ConvertOutputUnits(doc);

    doc.OutLog.Write("Printing the Jirn2D Compatible File\n\n");
    if (!WriteCompatibleFile(doc)) return kStatusCannotWriteFiles;
    doc.OutLog.Write("Printing the Vesk Critical Parameter Files\n\n");
    if (!WriteCriticalStressFile(doc) || !WriteStressProfileFile(doc)) return kStatusCannotWriteFiles;

    doc.OutLog.Write("Freeing Program Memory\n\n");
    FreeGrids(doc);
    return kStatusOk;
}

}  // namespace

void AllocateGrids(CVeskJirn2DDoc& doc) {
    const int n = doc.ElementCount;
    const int rows = doc.SeamCount;
    doc.PillarCodes.Allocate(1, rows, 1, n);
    doc.Displacement.Allocate(1, rows, 0, n + 1);
    for (Grid<double>* grid : {&doc.ElementStressGrid, &doc.PreminingGrid, &doc.InducedStress,
                               &doc.SingleSeamStress, &doc.AvgPillarStress, &doc.AvgInducedStress,
                               &doc.ElementSafetyFactor, &doc.PillarSafetyFactor, &doc.HStrain}) {
        grid->Allocate(1, rows, 1, n);
    }
    doc.RemoteDisp.Allocate(1, rows, 0, n + 1);
    doc.Slope.Allocate(1, rows, 0, n + 1);
    for (int s = 1; s <= rows; ++s) {
        doc.PreminingStress[s] = doc.StressGradient * doc.SeamOverburden[s];
        for (int i = 1; i <= n; ++i) doc.PreminingGrid(s, i) = doc.PreminingStress[s];
    }
}

void FreeGrids(CVeskJirn2DDoc& doc) {
    doc.CharCodes.Free();
    doc.IntCodes.Free();
    doc.PillarCodes.Free();
    for (Grid<double>* grid :
         {&doc.Displacement, &doc.ElementStressGrid, &doc.PreminingGrid, &doc.InducedStress,
          &doc.SingleSeamStress, &doc.AvgPillarStress, &doc.AvgInducedStress, &doc.ElementSafetyFactor,
          &doc.PillarSafetyFactor, &doc.HStrain, &doc.RemoteDisp, &doc.Slope}) {
        grid->Free();
    }
}

int32_t SolveModel(CVeskJirn2DDoc& doc) {
    SetModelParameters(doc);
    AllocateGrids(doc);
    ConvertCodes(doc);
    FindPillars(doc, 1);
    FindPillars(doc, 2);
    EchoModel(doc);

    // Each seam alone, without the other's influence.
    for (int s = 1; s <= 2; ++s) {
        const int sweeps = SolveSeam(doc, s);
        if (sweeps < 0) return -sweeps;
        if (s == doc.CriticalSeam) {
            AveragePillarStress(doc, s);
            doc.SingleSeamCriticalStress =
                doc.AvgPillarStress(s, doc.CriticalElement) / (1.0 - doc.ExtractionRatio[doc.CriticalSeam]);
            for (int i = 1; i <= doc.ElementCount; ++i)
                doc.SingleSeamStress(s, i) = doc.ElementStressGrid(s, i);
        }
    }
    Couple(doc, 1, 2);
    Couple(doc, 2, 1);

    // Alternate the seams, each solved under the other's newest closures, until
    // a pass in which neither needs more than ten sweeps.
    int largestSweeps = 1001;
    int passes = 0;
    while (largestSweeps > 10) {
        if (passes == kMaxCoupledPasses) {
            doc.ErrLog.Write(Format("Maximum Number of Coupled Passes (%i) Reached \n", {kMaxCoupledPasses}));
            return kStatusIterationLimit;
        }
        ++passes;
        largestSweeps = 0;
        for (int s = 1; s <= 2; ++s) {
            const int sweeps = SolveSeam(doc, s);
            if (sweeps < 0) return -sweeps;
            Couple(doc, s, OtherSeam(s));
            largestSweeps = std::max(largestSweeps, sweeps);
        }
    }
    return PostProcess(doc);
}

}  // namespace veskjirn
