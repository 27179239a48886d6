#pragma once
// The whole solution of one run after the input is read: model set-up, seam
// solutions, coupling of the seams, post-processing and result files.
#include "veskjirn2d_doc.h"

namespace veskjirn {

// Status 0, 11, 12, 21, 31 or 41 (a result file that could not be written).
int32_t SolveModel(CVeskJirn2DDoc& doc);

// Makes every per-seam grid; all zero except PreminingGrid, which holds the
// pre-mining stress of its seam. Throws std::bad_alloc.
void AllocateGrids(CVeskJirn2DDoc& doc);
void FreeGrids(CVeskJirn2DDoc& doc);

}  // namespace veskjirn
