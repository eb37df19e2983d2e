// SPDX-License-Identifier: MIT
// The program's one random source and the conversions built on it.
#pragma once

#include "PlatformInterfaces.h"

#include <cstdint>
#include <random>

namespace dicemere {

// Nearest integer, ties to the even one (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
int RoundHalfEven(double value);

// Maps a raw 32-bit generator output into [0, 1): the top 24 bits scaled by
// 2^-24, so every result is an exact float and 1.0 is never reached.
float UnitFloatFromRaw(std::uint32_t raw);

// The seed for a reading of the system clock in its ticks: every bit counts,
// so that starts a tick apart, or a 2^32 ticks apart, are seeded apart.
std::uint32_t SeedFromTicks(std::int64_t ticks);

// std::mt19937; start-up seeds it from the system clock.
class ClockSeededRandom final : public RandomSource {
public:
    void SeedFromClock() override;
    void Seed(std::uint32_t value) { engine_.seed(value); }
    float DrawUniform() override;

private:
    std::mt19937 engine_;
};

} // namespace dicemere
