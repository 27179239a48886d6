#include "stresslink/solver_run.h"

#include "analysis/messages.h"
#include "project/workspace.h"

namespace vesk {

std::string SolverStatusMessage(int32_t status) {
    switch (status) {
        case 1: return "Error in Solution Module: ReadInput-> Could not open the VeskJirn2D input file";
        case 2:
            return "Error in Solution Module: ReadInput-> Could not accurately read the VeskJirn2D input "
                   "file";
        case 3: return "Error in Solution Module: ReadInput-> Unable to allocate memory for grid matrices";
        case 4: return "Error in Solution Module: ReadInput-> Could not read Seam 1 material character codes";
        case 5: return "Error in Solution Module: ReadInput-> Could not read Seam 2 material character codes";
        case 11:
            return "Error in Solution Module: SOR-> Material Code Out of Range in Element Stress Routine";
        case 12: return "Error in Solution Module: SOR-> Maximum Number of Iterations Reached";
        case 21:
            return "Error in Solution Module: Strain_Safety_Factor-> Material Code Out of Range in Safety "
                   "Factor Routine";
        case 31:
            return "Error in Solution Module: Pillar_Average_Modulus-> Material Code Out of Range in Pillar "
                   "Average Modulus Routine";
        // The library could not write its logs or result files (disk full, no
        // permission); without a message the run would end without a word.
        case 41: return "Error in Solution Module: Could not write the VeskJirn2D result files";
        default: return "";
    }
}

bool RunSolver(Workspace& ws, const std::string& path, int16_t caller) {
    (void)caller;  // the dialogs disable themselves around their own runs
    ws.Ui->processEvents();
    int32_t status = 0;
    std::string error;
    const bool called = ws.Solver.call(path, status, error);
    ws.Ui->processEvents();
    if (!called) {
        ws.Run.SolverStatus = -1;
        ShowMessage(ws, std::string("Error in Solution Module: the solver library ") +
                            SolverLibrary::FileName + " could not be loaded. " + error);
        return false;
    }
    // The whole 32-bit status counts: a code that happens to be a multiple of
    // 65536 is still a failure.
    ws.Run.SolverStatus = status;
    if (status == 0) return true;
    std::string message = SolverStatusMessage(status);
    if (!message.empty()) ShowMessage(ws, message);
    return false;
}

}  // namespace vesk
