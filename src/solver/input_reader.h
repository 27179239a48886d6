#pragma once
// Reading the solver input file: the control line of eleven values and the two
// lines of material character codes.
#include <cstdint>
#include <string_view>

#include "veskjirn2d_doc.h"

namespace veskjirn {

// Scans the control line into the input fields of the record, in file order,
// the way "%i, %lf, %lf, %lf, %i, %lf, %lf, %lf, %lf, %i, %i" scans it (a comma,
// then any white space or none, between values). Returns how many values were
// converted before the first mismatch.
int ScanControlLine(std::string_view line, CVeskJirn2DDoc& doc);

// Reads InputPath into the record: status 0 or 1..5 with its message in ErrLog.
int32_t ReadInput(CVeskJirn2DDoc& doc);

// Material number of a code character: "A".."Z" are 0..25, "0".."9" are 26..35.
int32_t CharToMaterial(char c);

// Fills IntCodes from CharCodes.
void ConvertCodes(CVeskJirn2DDoc& doc);

}  // namespace veskjirn
