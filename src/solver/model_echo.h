#pragma once
// The echo of the input and of the complete model in the progress log.
#include "veskjirn2d_doc.h"

namespace veskjirn {

void EchoInput(CVeskJirn2DDoc& doc);
void EchoModel(CVeskJirn2DDoc& doc);

}  // namespace veskjirn
