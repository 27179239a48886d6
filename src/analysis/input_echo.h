#pragma once

namespace vesk {

struct Workspace;

// Writes the input echo report of the working copies (ws.VeskWork,
// ws.KavoWork, ws.OndarWork) and the project header into ws.OutBuf[0]: the
// build and file header (when PrintModuleHeader is on), title, description,
// multiple-seam and previous-seam inputs, then the inputs of the active
// mining method. Every caller passes mode 1; other modes build the same page.
void LoadOutBuf0(Workspace& ws, int mode = 1);

}  // namespace vesk
