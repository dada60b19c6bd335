// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane {

// The programs' version, set in one place: the project's version in the top-level CMakeLists.txt.
inline constexpr char kProgramVersion[] = "1.0.0";
inline constexpr int kProgramVersionMajor = 1;
inline constexpr int kProgramVersionMinor = 0;

} // namespace corvane
