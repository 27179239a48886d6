#pragma once

namespace vesk {

struct Workspace;

// Checks the multiple-seam geometry of the working copy (ws.VeskWork) before a
// calculation. Shows the message of the first fault found and returns false;
// true when the geometry can be modelled.
bool ValidateMultiSeamInputs(Workspace& ws);

}  // namespace vesk
