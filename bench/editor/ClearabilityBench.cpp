// How long the clearability check takes on each stage of the standard folder, for the
// normal and the low-spec build, and how much memory it holds: one search per stage (it is
// deterministic), with the frame of the clear, the states tried and the process's peak resident
// memory as counters, and the search that found the clear as the label.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

#include "editor/doc/ClearabilitySearch.h"

namespace {

using namespace tarn::editor;

void SearchStage(benchmark::State& state, const std::string& name, bool lowSpec) {
    StageDocument doc;
    const std::string path = std::string(TARN_STAGE_DIR) + "/standard/" + name + ".tr2";
    if (OpenF(doc, path)) {
        state.SkipWithError(("cannot open " + path).c_str());
        return;
    }
    ClearabilityBounds bounds;
    bounds.lowSpec = lowSpec;
    ClearabilityResult result;
    for (auto _ : state) {
        result = SearchForClear(doc, bounds, nullptr, nullptr);
    }
    if (!result.found) {
        state.SkipWithError(result.message.c_str());
        return;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["clear_frame"] = result.clearFrame;
    state.counters["states"] = double(result.states);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
    state.SetLabel(result.strategy);
}

}  // namespace

// Each stage planned for the normal build and for the low-spec build.
#define STAGE(name)                                                                              \
    BENCHMARK_CAPTURE(SearchStage, name, std::string(#name).substr(1).replace(1, 1, "-"), false) \
        ->Iterations(1)                                                                          \
        ->Unit(benchmark::kSecond);                                                              \
    BENCHMARK_CAPTURE(SearchStage, name##_low, std::string(#name).substr(1).replace(1, 1, "-"),  \
                      true)                                                                      \
        ->Iterations(1)                                                                          \
        ->Unit(benchmark::kSecond)
STAGE(_1_1);
STAGE(_1_2);
STAGE(_1_3);
STAGE(_1_4);
STAGE(_2_1);
STAGE(_2_2);
STAGE(_2_3);
STAGE(_2_4);
