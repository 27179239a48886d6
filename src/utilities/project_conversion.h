#pragma once
#include <cstdint>
#include <string>

namespace vesk {

struct Workspace;

inline constexpr const char* ConversionCompletedMessage =
    "Conversion Completed: The conversion form will be closed";

// Whether the File Conversion command may open: an empty project shows
// "Current file is empty", an unsaved one "Save Current File before accessing
// this option"; both return false.
bool CanConvertProject(Workspace& ws);

// The name of the converted project: "Metric_" (target 1) or "English_"
// (target 0) + the previous file name without its folder.
std::string ConvertedFileName(const std::string& previousFileName, int16_t target);

// Converts the stored copies of the project to the unit system `target` (0
// English, 1 Metric): every length, coal strength and unit weight of the
// three records is multiplied (to English) or divided (to Metric) by its
// constant, rounded to two decimals with ties to even and kept in its field's
// type; angles, CMRR values, the age of workings, counts and flags stay.
// Then UnitSystem = target, ProjectFileName = ConvertedFileName(...) and
// ProjectSaved = 0. Nothing is written to disk. Returns false, changing
// nothing, when `target` is not 0 or 1 or is already the project's system.
bool ConvertProjectUnits(Workspace& ws, int16_t target);

}  // namespace vesk
