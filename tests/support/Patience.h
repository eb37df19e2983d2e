// SPDX-License-Identifier: MIT
// How long a test waits for something that should happen soon. Generous on
// purpose: under Wine on a busy machine a window or a child process can take
// seconds; the bound is only there so that a hang fails instead of blocking.
#pragma once

inline constexpr int kHangGuardMs = 30000;
