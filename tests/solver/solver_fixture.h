#pragma once
// Helpers of the solver tests: model files laid out as the program lays them
// out, runs in a temporary folder, and readers of the result files.
#include <cstdint>
#include <string>
#include <vector>

#include "run_model.h"
#include "support/test_support.h"

namespace veskjirn::test {

// A program-like model: seam 1 active (crosscuts of 10, pillars of 40 elements
// anchored half a crosscut west of the gob edge), seam 2 solid coal with a gob
// of `gob` elements between two margins of `margin` elements; 2 ft elements.
// The control line carries the given unit code and values in its units.
struct ModelSpec {
    int margin = 100;
    int gob = 150;
    int unitsCode = 1;
    double extraction = 0.2;
    double width = 2;
    double depth1 = 500;
    double depth2 = 550;
    double height1 = 7;
    double height2 = 6;
};
std::string ModelText(const ModelSpec& layout);
int CriticalElementOf(const ModelSpec& layout);

// A model from its control values and code lines.
std::string InputText(const std::string& controlLine, const std::string& seam1, const std::string& seam2);

// Writes `text` as folder/name and runs the solver on it.
int32_t RunText(const vesk::test::TempDir& folder, const std::string& name, const std::string& text,
                bool literalKernels = false);

std::vector<std::string> SplitLines(const std::string& text);
// The comma-separated numbers of a result line (read without the C locale).
std::vector<double> ParseNumbers(const std::string& line);
// Column `column` (0-based) of the .dat element rows of seam s.
std::vector<double> DatColumn(const std::string& datText, int n, int s, int column);

}  // namespace veskjirn::test
