// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/session.h"

namespace vrel {

// Reads a shape direction for the loaded data, saved either as a consensus (header 1 p k) or
// as one shape vector (header m 1 1); nothing when the file does not hold one.
std::optional<std::vector<double>> ReadDirection(const std::string& path,
                                                 const DataDimensions& dims);

}  // namespace vrel
