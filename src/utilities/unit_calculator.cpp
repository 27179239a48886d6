#include "utilities/unit_calculator.h"

#include <cmath>
#include <optional>

#include "analysis/text_format.h"
#include "project/units.h"

namespace vesk {
namespace {

// Within a tab, the English units convert among themselves by `Scale` (value
// in the tab's English base unit), the metric units likewise in the metric
// base unit; `Cross` is one English unit in the metric base unit.
struct UnitDefinition {
    const char* Name;
    size_t Tab;
    bool English;
    double Scale;
    double Cross;  // English units only
};

constexpr double CmPerIn = 2.54;
constexpr double KNPerTonF = 8.896440978786435;
constexpr double KNPerKip = 4.448220489393218;
constexpr double PaPerPsi = 6894.757293;
constexpr double PamPerPsiIn = 271447.137519685;

constexpr UnitDefinition Units[] = {
    // Length: inches / centimetres.
    {"in", 0, true, 1, CmPerIn},
    {"ft", 0, true, 12, 12 * CmPerIn},
    {"cm", 0, false, 1, 0},
    {"m", 0, false, 100, 0},
    // Load: pounds force / kilonewtons.
    {"lbsF", 1, true, 1, KNPerLbf},
    {"tonsF", 1, true, 2000, KNPerTonF},
    {"kN", 1, false, 1, 0},
    {"MN", 1, false, 1000, 0},
    {"kips", 1, true, 1000, KNPerKip},
    // Load gradient, through lbsF/ft: lbsF/ft / kN/m.
    {"lbsF/in", 2, true, 12, 12 * KNmPerLbfFt},
    {"lbsF/ft", 2, true, 1, KNmPerLbfFt},
    {"kN/m", 2, false, 1, 0},
    {"MN/m", 2, false, 1000, 0},
    // Pressure and stress: psi / Pa.
    {"psi", 3, true, 1, PaPerPsi},
    {"ksi", 3, true, 1000, 1000 * PaPerPsi},
    {"psf", 3, true, PsiPerPsf, PsiPerPsf* PaPerPsi},
    {"Pa", 3, false, 1, 0},
    {"MPa", 3, false, 1e6, 0},
    // Pressure and stress gradient, through psi/in: psi/ft / Pa/m.
    {"psi/in", 4, true, 12, PamPerPsiIn},
    {"psi/ft", 4, true, 1, PamPerPsiIn / 12},
    {"Pa/m", 4, false, 1, 0},
    {"MPa/m", 4, false, 1e6, 0},
};

const UnitDefinition* FindUnit(std::string_view name) {
    for (const UnitDefinition& unit : Units)
        if (name == unit.Name) return &unit;
    return nullptr;
}

double Convert(double value, const UnitDefinition& from, const UnitDefinition& to) {
    if (&from == &to) return value;
    if (from.English == to.English) return value * from.Scale / to.Scale;
    if (from.English) return value * from.Cross / to.Scale;
    return value * from.Scale / to.Cross;
}

}  // namespace

const std::array<CalculatorTab, 5>& CalculatorTabs() {
    static const std::array<CalculatorTab, 5> tabs = {{
        {"Length units", {"in", "ft", "cm", "m"}},
        {"Load units", {"lbsF", "tonsF", "kN", "MN", "kips"}},
        {"Load gradient units", {"lbsF/in", "lbsF/ft", "kN/m", "MN/m"}},
        {"Pressure/stress units", {"psi", "ksi", "psf", "Pa", "MPa"}},
        {"Pressure/stress gradient units", {"psi/in", "psi/ft", "Pa/m", "MPa/m"}},
    }};
    return tabs;
}

bool ConvertCalculatorUnits(double value, std::string_view from, std::string_view to, double& result) {
    const UnitDefinition* source = FindUnit(from);
    const UnitDefinition* target = FindUnit(to);
    if (!source || !target || source->Tab != target->Tab) return false;
    result = Convert(value, *source, *target);
    return true;
}

double CalculatorInputValue(std::string_view text) {
    double value = 0;
    if (!ParseNumber(text, value) || !std::isfinite(value)) return 0;
    return value;
}

std::vector<std::string> CalculatorResults(size_t tab, size_t fromUnit, std::string_view inputText) {
    std::vector<std::string> results;
    const std::array<CalculatorTab, 5>& tabs = CalculatorTabs();
    if (tab >= tabs.size() || fromUnit >= tabs[tab].Units.size()) return results;
    const double value = CalculatorInputValue(inputText);
    for (const char* unit : tabs[tab].Units) {
        double result = 0;
        ConvertCalculatorUnits(value, tabs[tab].Units[fromUnit], unit, result);
        results.push_back(FormatGeneral(result));
    }
    return results;
}

}  // namespace vesk
