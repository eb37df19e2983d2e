// SPDX-License-Identifier: MIT
#include "Random.h"

#include <chrono>

namespace dicemere {

int RoundHalfEven(double value) {
    // Worked out here rather than by the C library's nearbyint: start-up
    // rounds one number, and calling into the maths library for it maps
    // another 64 KiB of it into memory. Exact for every value an int holds.
    auto whole = static_cast<long long>(value); // towards zero
    if (static_cast<double>(whole) > value)
        --whole; // now the floor
    const double rest = value - static_cast<double>(whole);
    if (rest > 0.5 || (rest == 0.5 && (whole & 1) != 0))
        ++whole;
    return static_cast<int>(whole);
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
