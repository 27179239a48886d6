#pragma once
#include <array>
#include <string>

#include "analysis/history_log.h"
#include "analysis/run_values.h"
#include "analysis/stress_summary.h"
#include "analysis/user_interface.h"
#include "graphs/graph_data.h"
#include "interaction/interaction_results.h"
#include "longwall/kavo_model_state.h"
#include "project/data_paths.h"
#include "project/kavo_params.h"
#include "project/ondar_params.h"
#include "project/project_header.h"
#include "project/project_state.h"
#include "project/recent_files.h"
#include "project/settings.h"
#include "project/vesk_params.h"
#include "retreat/ondar_model_state.h"
#include "stresslink/solver_library.h"
#include "stresslink/solver_model.h"

namespace vesk {

// The program's whole state: the open project, its working copies, the
// settings and the results of the last run. Every core routine takes the
// workspace it works on; nothing is kept in globals.
struct Workspace {
    ProjectHeader Header;
    ProjectState State;

    // Stored copies (file, dialogs) and working copies (calculations, reports).
    VeskParams VeskInput, VeskWork;
    KavoParams KavoInput, KavoWork;
    OndarParams OndarInput, OndarWork;

    Settings Options;
    DataPaths Paths;
    RecentFiles Recent;
    HistoryLog History;

    std::array<std::string, 7> OutBuf;  // report pages 0..6

    RunValues Run;
    SolverModel Model;
    SolverLibrary Solver;  // bound at the first model run, kept loaded
    KavoModelState Kavo;
    OndarModelState Ondar;
    StressSummary Stress;
    InteractionResults Interaction;
    GraphData Graph;

    // The front end that shows messages and progress; never null.
    UserInterface* Ui = nullptr;

    explicit Workspace(UserInterface& ui) : Ui(&ui) {}
};

}  // namespace vesk
