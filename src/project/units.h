#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vesk {

enum UnitSystemValue : int16_t { English = 0, Metric = 1 };

// Conversion constants of the project's unit systems.
inline constexpr double FeetPerMetre = 3.280839895013123;
inline constexpr double PsiPerMPa = 145.0377;
inline constexpr double PcfPerKNm3 = 6.3663022639200495;
inline constexpr double PsiPerPsf = 0.006944444444444444;
inline constexpr double KNPerLbf = 0.004448220489393218;
inline constexpr double KNmPerLbfFt = 0.01459389924341607;

// Suffixes that reports append after a value: UnitLabel[unitSystem][row].
// Columns 2 and 3 are reserved and empty.
inline const std::array<std::array<std::string, 15>, 4> UnitLabel = {{
    {" (ft)", " (psi)", " (pcf)", " (in)", " (psf)", " (lbs)", " (tons)", " (ft)", " (ksi)", " (tons)",
     " (tons/ft)", " (in)", " (tons)", " (tons/ft)", " (million psi)"},
    {" (m)", " (MPa)", " (kN/m3)", " (cm)", " (kPa)", " (kN)", " (tn)", " (cm)", " (MPa)", " (MN)", " (MN/m)",
     " (mm)", " (kN)", " (kN/m)", " (GPa)"},
    {},
    {},
}};

// Names of the unit systems as the user sees them.
inline const std::array<std::string, 2> UnitSystemNames = {"ft, in, lbs, psi, pcf", "m, cm, kN, MPa, kN/m3"};

}  // namespace vesk
