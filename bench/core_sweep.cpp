// Speed of the design-graph sweeps: six complete quiet calculations (stress
// model, solver library, pillar method and statistics) per graph.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "analysis/recording_user_interface.h"
#include "interaction/parameter_sweep.h"
#include "project/data_folders.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "project/workspace.h"

namespace {

struct SweepFixture {
    explicit SweepFixture(const std::string& example) {
        char pattern[] = "/tmp/vesk-bench-XXXXXX";
        folder = mkdtemp(pattern) ? std::string(pattern) + "/" : "/tmp/";
        ws.Paths = vesk::PrepareDataFolders(vesk::ExecutableFolder(), folder, folder);
        ws.Options.CopyExampleFiles = 0;
        vesk::StartUpSettings(ws);
        vesk::FileNew(ws, true, true);
        ws.Header.ProjectFileName = std::string(VESK_SOURCE_DIR) + "/examples/" + example;
        ok = vesk::FileOpen(ws);
    }
    ~SweepFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    vesk::RecordingUserInterface ui;
    vesk::Workspace ws{ui};
    std::string folder;
    bool ok = false;
};

void RunSweep(benchmark::State& state, const char* example, int kind) {
    SweepFixture f(example);
    if (!f.ok) {
        state.SkipWithError("cannot open the example");
        return;
    }
    for (auto _ : state) {
        f.ui.progress.clear();
        const vesk::GraphRunResult r = vesk::RunGraphFromMenu(f.ws, kind);
        if (!r.ok()) {
            state.SkipWithError(("sweep failed: " + r.Error).c_str());
            return;
        }
        benchmark::DoNotOptimize(f.ws.Graph.GraphTable.data());
    }
    state.counters["points"] = f.ws.Graph.GraphPointCount;
}

void BM_LongwallDepthSweep(benchmark::State& state) { RunSweep(state, "Longwall_Gob_Over.VSK", 0); }
void BM_RoomAndPillarDepthSweep(benchmark::State& state) { RunSweep(state, "RoomPillar_Retreat3_Gob_Under.VSK", 0); }
void BM_LongwallStressProfile(benchmark::State& state) { RunSweep(state, "Longwall_Gob_Over.VSK", 4); }

BENCHMARK(BM_LongwallDepthSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoomAndPillarDepthSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongwallStressProfile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
