#pragma once
#include <string>
#include <vector>

#include "graphs/plotted_series.h"

namespace vesk {

// Writes the curves side by side, two columns a curve: "X-coord" and the
// legend name in the first row, the points below, values as the chart shows
// them. Both write a temporary file and rename it; false with `error` set when
// the file cannot be written.
bool ExportGraphCsv(const std::vector<PlottedSeries>& series, const std::string& path, std::string& error);
bool ExportGraphXlsx(const std::vector<PlottedSeries>& series, const std::string& path, std::string& error);

// "Exported " + n + " Curves", the message shown after an export.
std::string ExportedMessage(size_t curveCount);

}  // namespace vesk
