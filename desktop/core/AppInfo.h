// SPDX-License-Identifier: MIT
#pragma once

namespace dicemere {

// One reverse-DNS id for the desktop entry, the metainfo, the icon and the lock.
inline constexpr const char* kAppId = "com.example.Dicemere";
inline constexpr const char* kAppName = "Dicemere";
inline constexpr const char* kOrganisation = "Dicemere";
inline constexpr const char* kVersion = "1.0";
inline constexpr const char* kWindowCaption = "Dicemere v1.0";

} // namespace dicemere
