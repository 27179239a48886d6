#pragma once

namespace vesk {

struct Workspace;

// The unit conversion around a longwall run. KavoToEnglishUnits saves
// UnitSystem in Run.SavedUnitSystem; for a metric project it keeps the working
// copies, turns their lengths into ft, the coal strength into psi and the unit
// weight into pcf, and sets UnitSystem to English. KavoToProjectUnits puts
// back exactly the values kept and the project's UnitSystem; it does nothing
// when no conversion is pending, so every way out of a run may call it.
void KavoToEnglishUnits(Workspace& ws);
void KavoToProjectUnits(Workspace& ws);

}  // namespace vesk
