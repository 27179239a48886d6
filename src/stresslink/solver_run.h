#pragma once
#include <cstdint>
#include <string>

namespace vesk {

struct Workspace;

// Window codes of the solver call: who started it.
inline constexpr int16_t SolverCallerKavoDialog = 0;
inline constexpr int16_t SolverCallerOndarDialog = 1;
inline constexpr int16_t SolverCallerMainMenu = 3;

// Runs the solver library on the input file at `path` (written before by
// WriteSolverInput). Returns true when the solver finished with status 0;
// otherwise shows the message for its status (none for an unknown status) or
// for a library that cannot be loaded, and returns false. The status is kept in
// ws.Run.SolverStatus. The calling dialog (caller 0 or 1) disables itself
// around the call.
bool RunSolver(Workspace& ws, const std::string& path, int16_t caller);

// The program's message for a solver status; empty for 0 and unknown codes.
std::string SolverStatusMessage(int32_t status);

}  // namespace vesk
