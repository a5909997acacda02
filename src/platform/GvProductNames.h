#pragma once

// The names under which per-user data and settings are filed.
inline constexpr const char* kGvVendorName = "Deepdelve";
inline constexpr const char* kGvProductName = "Gravik";
