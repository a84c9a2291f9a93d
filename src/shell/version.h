// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vrel {

// The program's version, set by the build from the project's version number.
inline constexpr const char* ProgramVersion = VREL_VERSION;

}  // namespace vrel
