// The array inverter's line rule over 10 MB of array text, against plain copies of the same
// text: characters per second and the ratio to the copy.

#include "array_inverter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kTextSize = 10'000'000;

// Element lines as the array builder writes them, between a header and a closing line.
const std::u32string& arrayText() {
    static const std::u32string text = [] {
        std::u32string out = U"flash char buf[ ] = {\n";
        for (unsigned k = 0; out.size() < kTextSize; ++k) {
            std::u32string code = U"0b";
            for (int bit = 7; bit >= 0; --bit)
                code += (k * 37u >> bit) & 1 ? U'1' : U'0';
            const std::string number = std::to_string(k);
            out += code + U",      // " + std::u32string(number.begin(), number.end()) + U'\n';
        }
        return out + U"};\n";
    }();
    return text;
}

const std::vector<std::u32string>& arrayLines() {
    static const std::vector<std::u32string> lines = tamrik::splitLines(arrayText());
    return lines;
}

void setCharacters(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * arrayText().size()));
}

void LineRule(benchmark::State& state) {
    for (auto _ : state)
        for (const std::u32string& line : arrayLines())
            benchmark::DoNotOptimize(tamrik::invertLine(line));
    setCharacters(state);
}

void CopyLines(benchmark::State& state) {
    for (auto _ : state)
        for (const std::u32string& line : arrayLines())
            benchmark::DoNotOptimize(std::u32string(line));
    setCharacters(state);
}

// What a click on the output box computes: split, invert every line, closing lines.
void WholeOutput(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tamrik::invertedArrayText(tamrik::splitLines(arrayText())));
    setCharacters(state);
}

void CopyText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(std::u32string(arrayText()));
    setCharacters(state);
}

BENCHMARK(LineRule)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyLines)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeOutput)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyText)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's CPU time per iteration (steadier than wall time on a shared
// machine) so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[run.benchmark_name()] = run.cpu_accumulated_time / run.iterations;
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    arrayLines(); // built before timing starts
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double chars = static_cast<double>(arrayText().size());
    std::printf("\n%zu characters in %zu lines\n", arrayText().size(), arrayLines().size());
    std::printf("%-12s %14s %10s\n", "benchmark", "Mchar/s", "vs copy");
    const std::pair<const char*, const char*> pairs[] = {{"LineRule", "CopyLines"},
                                                         {"CopyLines", "CopyLines"},
                                                         {"WholeOutput", "CopyText"},
                                                         {"CopyText", "CopyText"}};
    for (const auto& [name, base] : pairs) {
        if (!reporter.seconds.count(name) || !reporter.seconds.count(base))
            continue;
        const double s = reporter.seconds[name];
        std::printf("%-12s %14.1f %9.2fx\n", name, chars / s / 1e6, s / reporter.seconds[base]);
    }
    benchmark::Shutdown();
    return 0;
}
