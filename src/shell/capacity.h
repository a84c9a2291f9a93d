// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Whether a session can be allocated to hold this many specimens of this many coordinates.
bool CapacityInRange(long long specimens, long long coordinates);

// "NxM" (also with X or the sign ×), within range; nothing for anything else.
std::optional<Capacity> ParseCapacity(std::string_view text);

// The capacity that holds both the session's and a data set of these counts: the larger of each.
Capacity RoomFor(const Capacity& current, int specimens, int coordinates);

// "Capacity: N specimens of M coordinates", as the log says it.
std::string CapacityLogLine(const Capacity& capacity);

// Allocates the session at the capacity, keeping its contents and settings; the specimen list
// gets a row for every specimen it holds, and the log says so. Out of memory, the session stays
// as it was and the message says so; returns whether the session holds the capacity now.
bool ChangeCapacity(Session& s, Frontend& fe, const Capacity& capacity);

// Options > Data capacity: asks the specimens and the coordinates per specimen, only while no
// data are loaded.
void DataCapacityClick(Session& s, Frontend& fe);

}  // namespace vrel
