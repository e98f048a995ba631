// Throughput of the toolkit-free core: how many results each rule gives per second on this
// machine. Google Benchmark; run through scripts/bench.sh, which prints the table.

#include "array_text.h"
#include "line_list.h"
#include "number_inverter.h"
#include "segment_codes.h"
#include "segments.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

// All 256 segment states, as the picker leaves them in the weights.
std::vector<std::pair<tamrik::Weights, tamrik::Weights>> allStates() {
    std::vector<std::pair<tamrik::Weights, tamrik::Weights>> states;
    for (int lit = 0; lit < 256; ++lit) {
        tamrik::Weights a7{}, a0{};
        for (int s = 0; s < tamrik::kSegmentCount; ++s) {
            if (lit & (1 << s)) {
                a7[s] = tamrik::kWeightA7[s];
                a0[s] = tamrik::kWeightA0[s];
            }
        }
        states.emplace_back(a7, a0);
    }
    return states;
}

// One tick's computation: the eight code texts of a segment state.
void BM_CodeTexts(benchmark::State& state) {
    const auto states = allStates();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [a7, a0] = states[i++ & 255];
        benchmark::DoNotOptimize(tamrik::codeTexts(a7, a0));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CodeTexts);

// One press of the number inverter, on inputs of both forms.
void BM_NumberInverter(benchmark::State& state) {
    const std::u32string inputs[] = {U"10100101", U"0b1111000011110000", U"0b10100101,0b1111",
                                     U"1010 11"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tamrik::invertNumber(inputs[i++ & 3]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberInverter);

// One append to the array text over a plain list of lines, arrays of 10,000 elements in turn
// (starting a new list is part of the cost, once per 10,000 appends).
void BM_ArrayAppend(benchmark::State& state) {
    const std::u32string elements[] = {U"0b00111111", U"0x06", U"0b01011011", U"0x4F"};
    tamrik::ArrayState array;
    tamrik::VectorLines lines;
    std::size_t i = 0;
    for (auto _ : state) {
        if (i % 10'000 == 0) {
            array = {};
            lines.clear();
        }
        tamrik::appendElement(array, lines, elements[i++ & 3]);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ArrayAppend);

} // namespace

BENCHMARK_MAIN();
