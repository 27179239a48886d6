// Whole solver runs on generated two-seam models of 350, 1000 and 3000
// elements per seam: an active seam of pillars and crosscuts over a previous
// seam with a gob between solid margins, as the program lays them out.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "veskjirn.h"

namespace {

// Seam 1: crosscuts of 10 and pillars of 40 elements anchored half a crosscut
// west of the gob edge; seam 2: solid coal, gob of `gob` elements between two
// margins of `margin` elements. 2 ft elements, 50 ft interburden.
std::string ModelText(int margin, int gob) {
    const int n = 2 * margin + gob;
    const int crosscut = 10, pillar = 40, halfEntry = 5;
    std::string previous(static_cast<std::size_t>(n), 'J');
    for (int i = margin + 1; i <= n - margin; ++i) previous[static_cast<std::size_t>(i - 1)] = 'S';
    previous[static_cast<std::size_t>(margin)] = '1';
    previous[static_cast<std::size_t>(n - margin - 1)] = '1';
    const int anchor = margin - halfEntry;
    std::string active(static_cast<std::size_t>(n), 'A');
    for (int i = anchor + 1; i <= n; i += crosscut + pillar) {
        for (int k = 0; k < crosscut && i + k <= n; ++k) active[static_cast<std::size_t>(i + k - 1)] = '1';
    }
    for (int i = anchor - pillar; i >= 1; i -= crosscut + pillar) {
        for (int k = 0; k < crosscut && i - k >= 1; ++k) active[static_cast<std::size_t>(i - k - 1)] = '1';
    }
    std::ostringstream text;
    text << "1,0.2,0,2," << n << ",500,550,7,6," << anchor << ",1\n" << active << "\n" << previous << "\n\n";
    return text.str();
}

// Total sweeps of a run, from the progress log.
long SweepsDone(const std::filesystem::path& outFile) {
    std::ifstream in(outFile);
    std::string line;
    long total = 0;
    int seam = 0, sweeps = 0;
    while (std::getline(in, line)) {
        if (std::sscanf(line.c_str(), "Seam %d took %d Iterations", &seam, &sweeps) == 2) total += sweeps;
    }
    return total;
}

void BM_SolverRun(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int gob = n / 3;
    const int margin = (n - gob) / 2;
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vesk-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path input = dir / "model.in2";
    std::ofstream(input) << ModelText(margin, n - 2 * margin);
    int32_t status = 0;
    for (auto _ : state) {
        status = VeskJirn(input.c_str());
        benchmark::DoNotOptimize(status);
    }
    if (status != 0) state.SkipWithError("solver run failed");
    state.counters["elements"] = 2 * margin + (n - 2 * margin);
    state.counters["sweeps"] = static_cast<double>(SweepsDone(dir / "model.out"));
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_SolverRun)->Arg(350)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
