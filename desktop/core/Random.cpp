// SPDX-License-Identifier: MIT
#include "Random.h"

#include <chrono>
#include <cmath>

namespace dicemere {

int RoundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which is round-to-nearest,
    // ties-to-even unless someone changed it; nobody in this program does.
    return static_cast<int>(std::nearbyint(value));
}

float UnitFloatFromRaw(std::uint32_t raw) { return static_cast<float>(raw >> 8) * 0x1p-24f; }

std::uint32_t SeedFromTicks(std::int64_t ticks) {
    const auto wide = static_cast<std::uint64_t>(ticks);
    return static_cast<std::uint32_t>(wide ^ (wide >> 32));
}

void ClockSeededRandom::SeedFromClock() {
    Seed(SeedFromTicks(std::chrono::system_clock::now().time_since_epoch().count()));
}

float ClockSeededRandom::DrawUniform() {
    return UnitFloatFromRaw(static_cast<std::uint32_t>(engine_()));
}

} // namespace dicemere
