#include "model_echo.h"

#include <string>

#include "number_format.h"

namespace veskjirn {

namespace {

void AppendCodeListing(std::string& out, const CVeskJirn2DDoc& doc) {
    const int n = doc.ElementCount;
    out += "The Material Codes for Seam One\n";
    for (int i = 1; i <= n; ++i) out += doc.CharCodes(1, i);
    out += "\nThe Material Codes for Seam Two\n";
    for (int i = 1; i <= n; ++i) out += doc.CharCodes(2, i);
    out += "\n\n";
}

void AppendIntegerRow(std::string& out, const Grid<int32_t>& grid, int s, int n) {
    for (int i = 1; i <= n; ++i) AppendInteger(out, grid(s, i));
    out += "\n";
}

// The lines from the element width to the seam-two extraction ratio.
void AppendGeometry(std::string& out, const CVeskJirn2DDoc& doc) {
    AppendFormat(out, "  Width of Elements          -- %f\n", {doc.ElementWidth});
    AppendFormat(out, "  Number of Elements         -- %i\n", {doc.ElementCount});
    AppendFormat(out, "  Seam One Overburden        -- %f\n", {doc.SeamOverburden[1]});
    AppendFormat(out, "  Seam One Thickness         -- %f\n", {doc.SeamHeight[1]});
    AppendFormat(out, "  Seam One Extraction Ratio  -- %f\n", {doc.ExtractionRatio[1]});
    AppendFormat(out, "  Seam Two Overburden        -- %f\n", {doc.SeamOverburden[2]});
    AppendFormat(out, "  Seam Two Thickness         -- %f\n", {doc.SeamHeight[2]});
    AppendFormat(out, "  Seam Two Extraction Ratio  -- %f\n", {doc.ExtractionRatio[2]});
}

}  // namespace

void EchoInput(CVeskJirn2DDoc& doc) {
    std::string out = "  General Input Model Data\n\n";
    AppendGeometry(out, doc);
    AppendFormat(out, "  Critical Element Location  -- %i\n", {doc.CriticalElement});
    AppendFormat(out, "  Critical Seam              -- %i\n", {doc.CriticalSeam});
    out += "\n";
    static const char* const kUnitNames[] = {"  inches and psi,", "  feet and psi,", "  meters and Pascals,",
                                             "  meters and MegaPascals,"};
    if (doc.UnitsCode >= 0 && doc.UnitsCode <= 3) {
        AppendFormat(out, "  The units system integer is: %i\n", {doc.UnitsCode});
        out += "  This means that the parameter values were input to the Vesk Jirn2D program in: \n";
        out += kUnitNames[doc.UnitsCode];
        out += "\n\n";
    }
    AppendCodeListing(out, doc);
    doc.OutLog.Write(out);
}

void EchoModel(CVeskJirn2DDoc& doc) {
    const int n = doc.ElementCount;
    std::string out = "Seam Character Codes with Yield Zones Applied\n";
    AppendCodeListing(out, doc);

    out += "Seam Integer Codes with Yield Zones Applied\n";
    out += "The Material Integer Codes for Seam One\n";
    AppendIntegerRow(out, doc.IntCodes, 1, n);
    out += "The Material Integer Codes for Seam Two\n";
    AppendIntegerRow(out, doc.IntCodes, 2, n);
    out += "\n";

    out += "Pillar Integer Codes \n";
    out += "The Integer Codes for Seam One\n";
    AppendIntegerRow(out, doc.PillarCodes, 1, n);
    out += "The Integer Codes for Seam Two\n";
    AppendIntegerRow(out, doc.PillarCodes, 2, n);
    out += "\n";

    out += "  General Model Data (adjusted for units)\n\n";
    AppendGeometry(out, doc);
    out += "\n";

    out += "  ROCK MASS PROPERTIES\n\n";
    AppendFormat(out, "  MODULUS OF ELASTICITY      - %f\n", {doc.RockModulus});
    AppendFormat(out, "  POISSONS RATIO             - %f\n", {doc.RockPoisson});
    AppendFormat(out, "  LAMINATION THICKNESS       - %f\n", {doc.LaminationThickness});
    AppendFormat(out, "  LAMBDA VALUE               - %f\n", {doc.Lambda});
    AppendFormat(out, "  OVERBURDEN STRESS - SEAM 1 - %f\n", {doc.PreminingStress[1]});
    AppendFormat(out, "  OVERBURDEN STRESS - SEAM 2 - %f\n", {doc.PreminingStress[2]});
    out += "\n";

    out += "  COAL AND YIELD ZONE PROPERTIES\n\n";
    AppendFormat(out, "  COAL STRENGTH         - %f\n", {doc.ModelCoalStrength});
    AppendFormat(out, "  COAL ELASTIC MODULUS  - %f\n", {doc.CoalModulus});
    AppendFormat(out, "  COAL POISSONS RATIO   - %f\n", {doc.CoalPoisson});
    AppendFormat(out, "  COAL PLASTIC MODULUS  - %f\n", {doc.CoalPlasticModulus});
    AppendFormat(out, "  NUMBER OF YIELD ZONES - %i\n", {doc.YieldZoneCount});
    out += "\n";

    out += "  IN_SEAM MATERIAL PROPERTIES (adjusted for extraction ratio) \n";
    AppendFormat(out, "  The number of in-seam materials is: %i \n", {doc.MaterialCount});
    out += "\n";

    std::string errors;
    for (int k = 0; k < doc.MaterialCount && k < kMaterialSlots; ++k) {
        const auto& p = doc.MaterialParam[static_cast<std::size_t>(k)];
        AppendFormat(out, "  Material Number     - %i\n", {k + 1});
        switch (doc.MaterialType[static_cast<std::size_t>(k)]) {
            case 1:
                out += "  Linear Elastic Coal\n";
                AppendFormat(out, "  Elastic Modulus     - %12.5g\n", {p[1]});
                AppendFormat(out, "  Poisson's Ratio     - %12.5g\n", {p[2]});
                break;
            case 2:
                out += "  Strain Softening Coal\n";
                AppendFormat(out, "  Peak Stress         - %12.5g\n", {p[1]});
                AppendFormat(out, "  Peak Strain         - %12.5g\n", {p[2]});
                AppendFormat(out, "  Residual Stress     - %12.5g\n", {p[3]});
                AppendFormat(out, "  Residual Strain     - %12.5g\n", {p[4]});
                AppendFormat(out, "  Poissons Ratio      - %12.5g\n", {p[5]});
                break;
            case 3:
                out += "  Elastic-Plastic Coal\n";
                AppendFormat(out, "  Peak Stress         - %12.5g\n", {p[1]});
                AppendFormat(out, "  Peak Strain         - %12.5g\n", {p[2]});
                AppendFormat(out, "  Plastic Modulus     - %12.5g\n", {p[3]});
                AppendFormat(out, "  Poissons Ratio      - %12.5g\n", {p[4]});
                break;
            case 4:
                out += "  Bi-Linear Hardening Gob\n";
                AppendFormat(out, "  Initial Stress      - %12.5g\n", {p[1]});
                AppendFormat(out, "  Initial Strain      - %12.5g\n", {p[2]});
                AppendFormat(out, "  Hardening Modulus   - %12.5g\n", {p[3]});
                AppendFormat(out, "  Gob Height Factor   - %12.5g\n", {p[4]});
                AppendFormat(out, "  Poissons Ratio      - %12.5g\n", {p[5]});
                break;
            case 5:
                out += "  Strain Hardening Gob\n";
                AppendFormat(out, "  Initial Modulus at Zero Stress - %12.5g\n", {p[1]});
                AppendFormat(out, "  Final Modulus at Peak Stress   - %12.5g\n", {p[2]});
                AppendFormat(out, "  Peak Stress                    - %12.5g\n", {p[3]});
                AppendFormat(out, "  Gob Height Factor              - %12.5g\n", {p[4]});
                AppendFormat(out, "  Poissons Ratio                 - %12.5g\n", {p[5]});
                break;
            case 6:
                out += "  Linear Elastic Gob\n";
                AppendFormat(out, "  Elastic Modulus     - %12.5g\n", {p[1]});
                AppendFormat(out, "  Shear Modulus       - %12.5g\n", {p[2]});
                AppendFormat(out, "  Gob Height Factor   - %12.5g\n", {p[3]});
                break;
            default:
                AppendFormat(errors, "Invalid Material Type #%i - Must Be Between 1 and 6 - PI3\n", {k});
                break;
        }
        out += "\n";
    }

    out += "  PROGRAM FLOW CONTROL PARAMETERS\n\n";
    AppendFormat(out, "  OVER RELAXATION FACTOR          -- %f\n", {doc.OverRelaxation});
    AppendFormat(out, "  MAXIMUM NO. OF ITERATIONS       -- %i\n", {doc.MaxIterations});
    AppendFormat(out, "  STRESS CONVERGENCE CRITERION    -- %f\n", {doc.ConvergenceTolerance});
    out += "\n";

    out += "  BOUNDARY CONDITION VALUES\n\n";
    AppendFormat(out, "  THE WEST BOUNDARY CONDITION  -- %i\n", {doc.WestBoundary});
    AppendFormat(out, "  THE EAST BOUNDARY CONDITION  -- %i\n", {doc.EastBoundary});
    out += "\n";

    doc.OutLog.Write(out);
    doc.ErrLog.Write(errors);
}

}  // namespace veskjirn
