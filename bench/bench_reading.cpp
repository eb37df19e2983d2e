// SPDX-License-Identifier: MIT
// The reading's selection over every cast of 2 to 4 dice.
#include "EnochianNumerology.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

std::vector<std::vector<std::int16_t>> EveryCast() {
    std::vector<std::vector<std::int16_t>> casts;
    for (int n = 2; n <= 4; ++n) {
        std::vector<std::int16_t> v(static_cast<std::size_t>(n), 0);
        while (true) {
            casts.push_back(v);
            std::size_t i = 0;
            while (i < v.size() && ++v[i] == 7)
                v[i++] = 0;
            if (i == v.size())
                break;
        }
    }
    return casts;
}

void SelectReadingOfEveryCast(benchmark::State& state) {
    const auto casts = EveryCast();
    for (auto _ : state)
        for (const auto& cast : casts)
            benchmark::DoNotOptimize(dicemere::reading::SelectReading(cast));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(casts.size()));
}
BENCHMARK(SelectReadingOfEveryCast)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
