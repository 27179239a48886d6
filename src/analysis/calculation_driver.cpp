#include "analysis/calculation_driver.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "analysis/input_echo.h"
#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "interaction/interaction_statistics.h"
#include "interaction/multi_seam_checks.h"
#include "longwall/kavo_model.h"
#include "longwall/kavo_report.h"
#include "project/project_file.h"
#include "project/project_records.h"
#include "project/units.h"
#include "project/workspace.h"
#include "retreat/ondar_model.h"
#include "retreat/ondar_report.h"
#include "stresslink/solver_files.h"
#include "stresslink/solver_model_builder.h"
#include "stresslink/solver_results.h"
#include "stresslink/solver_run.h"

namespace vesk {

namespace {

enum class Method { Kavo, Ondar };

// How a run with reports differs by method and by where it was started (the
// main window's Calculate command, or the Results button of a method dialog).
struct RunStyle {
    Method method;
    int16_t caller;           // window code of the solver call
    const char* loading;      // first progress line ("" for none)
    const char* grid;         // progress line before the model is built
    const char* saving;       // before the solver input is written
    const char* invoking;     // before the solver runs
    bool completedLines;      // "Jirn2D-Vesk calculations completed" and "Compiling output ... "
    int16_t progressFlag;     // of the method's calculation
    const char* errorPrefix;  // of a run-time error's message
    bool keepTempOnError;     // the temporary work file survives a run-time error
};

constexpr RunStyle kKavoCalc{Method::Kavo,
                             SolverCallerMainMenu,
                             "Loading Kavo parameters ...",
                             "Creating Grid for Multiple Seam ...",
                             "Saving Temporary File ...",
                             "Invoking Multi Seam Calculations ...",
                             true,
                             0,
                             "Error in CalculateResultsKavo_Calc: ",
                             true};
constexpr RunStyle kOndarCalc{Method::Ondar,
                              SolverCallerMainMenu,
                              "Loading Ondar parameters ...",
                              "Creating Grid for Multiple Seam ...",
                              "Saving Temporary Files ...",
                              "Invoking Multiple Seam Calculations ...",
                              true,
                              0,
                              "Error in CalculateResultsOndar_Calc: ",
                              true};
constexpr RunStyle kKavoDialog{Method::Kavo,
                               SolverCallerKavoDialog,
                               "",
                               "Multi Seam Creating Grid ...",
                               "Saving Temporary File ...",
                               "Invoking Multi Seam Calculations ...",
                               false,
                               -1,
                               "Error KavoParm: ",
                               false};
constexpr RunStyle kOndarDialog{Method::Ondar,
                                SolverCallerOndarDialog,
                                "",
                                "Creating Grid for Multiple Seam ...",
                                "Saving Temporary Files ...",
                                "Invoking Multiple Seam Calculations ...",
                                false,
                                -1,
                                "Error OndarParm: ",
                                false};

void Progress(Workspace& ws, const std::string& line) {
    ws.Ui->appendProgress(std::string(CrLf) + line);
    ws.Ui->processEvents();
}

// A fault while reading the results; its text follows the routine's name in
// the error message.
struct RunError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The model codes of both seams, as the retreat dialog's run keeps them
// beside the solver files.
bool WriteGridFile(const Workspace& ws) {
    return WriteSolverFile(SolverFilePath(ws, ".grid"),
                           ws.Model.GridCodes[0] + '\n' + ws.Model.GridCodes[1] + '\n');
}

// Builds the stress model from the (English) working copies, writes the solver
// input and runs the solver. False when the run must end; every message has
// been shown then. Runs with reports (style given) print their progress lines.
bool RunStressModel(Workspace& ws, const RunStyle* style, std::string& vk1Path) {
    if (!BuildSolverModel(ws)) {
        // The grid message has been shown; solving a broken model would only
        // add a second, confusing message.
        Progress(ws, "Calculations aborted ...");
        return false;
    }
    if (style != nullptr) Progress(ws, style->saving);
    const std::string inputPath = SolverFilePath(ws, ".in2");
    vk1Path = SolverFilePath(ws, ".vk1");
    if (!WriteSolverInput(ws, inputPath)) {
        ShowMessage(ws, "Could not write the solver input file: " +
                            (inputPath.empty() ? std::string("no folder for the solver files") : inputPath));
        Progress(ws, "Calculations aborted ...");
        return false;
    }
    if (style == &kOndarDialog) WriteGridFile(ws);  // for viewing only; a failure does not matter
    // Results of an earlier run with the same base name must never pass for
    // this run's: a solver that ends without writing its files leaves none.
    for (const char* extension : {".vk1", ".vk2", ".dat"}) {
        std::error_code ignored;
        std::filesystem::remove(SolverFilePath(ws, extension), ignored);
    }
    if (style != nullptr) Progress(ws, style->invoking);
    if (!RunSolver(ws, inputPath, style != nullptr ? style->caller : SolverCallerMainMenu)) {
        Progress(ws, "Calculations aborted ...");
        return false;
    }
    return true;
}

// Reads the two stresses of the critical pillar and turns the induced stress
// into a pillar stress. Retreat runs take a negative induced stress as 0.
void ReadMultiSeamStress(Workspace& ws, const std::string& vk1Path, Method method, bool withProgress) {
    if (withProgress) Progress(ws, "Reading Multi Seam Stress ...");
    std::string error;
    RunValues& run = ws.Run;
    if (!ReadCriticalStresses(vk1Path, run.avgSingleSeamStress, run.avgMultiSeamStress, error))
        throw RunError(error);
    if (method == Method::Ondar && run.avgMultiSeamStress < 0) run.avgMultiSeamStress = 0;
    if (withProgress) {
        Progress(ws, "avgSingleSeamStress = " + FormatGeneral(run.avgSingleSeamStress));
        Progress(ws, "avgMultiSeamStress = " + FormatGeneral(run.avgMultiSeamStress));
    }
    if (run.StressAdjustDivisor > 0) {
        run.avgMultiSeamStress = run.avgMultiSeamStress / run.StressAdjustDivisor;
        if (withProgress)
            Progress(ws, "avgMultiSeamStress adjusted= " + FormatGeneral(run.avgMultiSeamStress));
    }
}

// The retreat method's way back for a metric project: inputs and results in
// project units, UnitSystem metric; then the working copies are put back
// exactly as they were before the run.
void OndarBackToProjectUnits(Workspace& ws, const ProjectUnitsSnapshot& units) {
    if (!units.Converted) return;
    ws.Header.UnitSystem = Metric;
    OndarToProjectUnits(ws);
    RestoreProjectUnits(ws, units);
}

// Runs with reports. Returns true when the results window should open.
bool ReportRun(Workspace& ws, const RunStyle& style) {
    const Method method = style.method;
    if (style.loading[0] != '\0') Progress(ws, style.loading);
    if (!SaveTempWorkFile(ws)) return false;
    Progress(ws, style.grid);
    const ProjectUnitsSnapshot units = ToEnglishUnits(ws, method == Method::Kavo ? 0 : 1);

    std::string vk1Path;
    if (!RunStressModel(ws, &style, vk1Path)) {
        RestoreProjectUnits(ws, units);
        DeleteTempWorkFile(ws);
        return false;
    }

    try {
        ReadMultiSeamStress(ws, vk1Path, method, true);
        if (style.completedLines) {
            Progress(ws, "Jirn2D-Vesk calculations completed");
            Progress(ws, "Compiling output ... ");
        }
        if (method == Method::Kavo) {
            if (!KavoLoadModelInputs(ws)) {
                RestoreProjectUnits(ws, units);
                DeleteTempWorkFile(ws);
                return false;
            }
            KavoCalculate(ws, style.progressFlag);
            KavoReportStabilityFactors(ws);
            KavoReportCapacityAndLoads(ws, 1);
            ws.Run.QuietRun = 0;
            InteractionStatistics(ws);
            RestoreProjectUnits(ws, units);
        } else {
            if (!OndarLoadModelInputs(ws)) {
                RestoreProjectUnits(ws, units);
                DeleteTempWorkFile(ws);
                return false;
            }
            OndarCalculate(ws, style.progressFlag);
            OndarBackToProjectUnits(ws, units);
            OndarReportStabilityFactors(ws);
            OndarReportAMZData(ws);
            OndarReportPillars(ws);
            OndarReportBarriers(ws);
            OndarReportRemnantsAndLeave(ws);
            ws.Run.QuietRun = 0;
            InteractionStatistics(ws);
        }
        LoadOutBuf0(ws, 1);
    } catch (const std::exception& e) {
        // After a Calculate command the temporary work file stays: the next
        // start offers the inputs of the interrupted run.
        RestoreProjectUnits(ws, units);
        if (!style.keepTempOnError) DeleteTempWorkFile(ws);
        ShowMessage(ws, std::string(style.errorPrefix) + e.what());
        return false;
    }
    DeleteTempWorkFile(ws);
    return true;
}

bool QuietRun(Workspace& ws, Method method) {
    const char* routine = method == Method::Kavo ? "CalculateResultsKavo" : "CalculateResultsOndar";
    const ProjectUnitsSnapshot units = ToEnglishUnits(ws, method == Method::Kavo ? 0 : 1);
    std::string vk1Path;
    if (!RunStressModel(ws, nullptr, vk1Path)) {
        RestoreProjectUnits(ws, units);
        return false;
    }
    try {
        ReadMultiSeamStress(ws, vk1Path, method, false);
        if (method == Method::Kavo) {
            if (!KavoLoadModelInputs(ws)) {
                RestoreProjectUnits(ws, units);
                return false;
            }
            KavoCalculate(ws, 0);
            ws.Run.QuietRun = -1;
            InteractionStatistics(ws);
            RestoreProjectUnits(ws, units);
        } else {
            if (!OndarLoadModelInputs(ws)) {
                RestoreProjectUnits(ws, units);
                return false;
            }
            OndarCalculate(ws, 0);
            OndarBackToProjectUnits(ws, units);
            ws.Run.QuietRun = -1;
            InteractionStatistics(ws);
        }
    } catch (const std::exception& e) {
        RestoreProjectUnits(ws, units);
        ShowMessage(ws, std::string("Error in ") + routine + ": " + e.what());
        return false;
    }
    return true;
}

}  // namespace

bool Calculate(Workspace& ws) {
    if (ws.State.NoData == ByteTrue) {
        ShowMessage(ws, "Data not entered or File not Loaded. Solution module can not be invoked.");
        return false;
    }
    if (!PrepareRun(ws)) return false;
    return ws.VeskInput.ActiveMiningMode != 0 ? CalculateResultsOndar_Calc(ws)
                                              : CalculateResultsKavo_Calc(ws);
}

bool PrepareRun(Workspace& ws) {
    if (ws.State.NoData == ByteTrue) {
        ShowMessage(ws, "Load data first");
        return false;
    }
    CopyStoredToWorking(ws);
    if (ws.OndarWork.ArchFactor == 0.0f && ws.OndarWork.ArchFactorAuto == 1)
        ws.OndarWork.ArchFactor = CalcArchFactorAuto(ws);
    return ValidateMultiSeamInputs(ws);
}

float CalcArchFactorAuto(const Workspace& ws) {
    const OndarParams& o = ws.OndarWork;
    float b = 0;
    for (int i = 1; i <= o.NumberOfEntries - 1 && i < static_cast<int>(o.EntryCenters.size()); ++i)
        b += static_cast<float>(o.EntryCenters[static_cast<size_t>(i)]);
    float H = static_cast<float>(o.DepthOfCover);
    if (b == 0.0f) return 1.0f;
    float L;
    if (ws.Header.UnitSystem == Metric) {
        H = static_cast<float>(H * FeetPerMetre);
        b = static_cast<float>(b * FeetPerMetre);
        L = static_cast<float>(H - 262.4671916010498);
    } else {
        L = H - 80.0f;
    }
    float f = 0;
    if (H > 25.0f) f = 1.0f - 0.28f * std::log(H / b);
    if (L < b) f = 1.0f;
    if (f < 0.28f) f = 0.28f;
    return static_cast<float>(RoundHalfEven(static_cast<double>(f), 2));
}

bool CalculateResultsKavo_Calc(Workspace& ws) {
    return ReportRun(ws, kKavoCalc);
}

bool CalculateResultsOndar_Calc(Workspace& ws) {
    return ReportRun(ws, kOndarCalc);
}

bool DialogRunKavo(Workspace& ws) {
    return ReportRun(ws, kKavoDialog);
}

bool DialogRunOndar(Workspace& ws) {
    return ReportRun(ws, kOndarDialog);
}

bool CalculateResultsKavo(Workspace& ws) {
    return QuietRun(ws, Method::Kavo);
}

bool CalculateResultsOndar(Workspace& ws) {
    return QuietRun(ws, Method::Ondar);
}

bool SolveCase(Workspace& ws) {
    return ws.VeskWork.ActiveMiningMode == 1 ? CalculateResultsOndar(ws) : CalculateResultsKavo(ws);
}

}  // namespace vesk
