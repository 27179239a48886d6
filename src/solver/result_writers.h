#pragma once
// The three result files of a successful run.
#include <string>

#include "veskjirn2d_doc.h"

namespace veskjirn {

// Each builds its file's text and writes it; false (with a message in ErrLog)
// when the file cannot be created or written completely.
bool WriteCompatibleFile(CVeskJirn2DDoc& doc);
bool WriteCriticalStressFile(CVeskJirn2DDoc& doc);
bool WriteStressProfileFile(CVeskJirn2DDoc& doc);

// The texts themselves.
std::string CompatibleFileText(const CVeskJirn2DDoc& doc);
std::string CriticalStressFileText(const CVeskJirn2DDoc& doc);
std::string StressProfileFileText(const CVeskJirn2DDoc& doc);

}  // namespace veskjirn
