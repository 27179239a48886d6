#pragma once
// One complete run from the input file to the result files.
#include <cstdint>
#include <string>

#include "veskjirn2d_doc.h"

namespace veskjirn {

int32_t RunModel(const char* path, const RunOptions& options = {});

// Sets InputPath, InputName, InputTitle, BasePath and the five output paths.
void SetFileNames(CVeskJirn2DDoc& doc, const std::string& path);

}  // namespace veskjirn
