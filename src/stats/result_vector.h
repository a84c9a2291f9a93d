// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// The unit shape vector sum over j < q of b[j] x component j, into v (d coordinates).
// Returns false, leaving v unspecified, when that vector has no direction (zero length or not
// finite).
bool CombineToUnitVector(const Session& s, const Vector& b, int q, Vector& v);

// Publishes the q coefficients b as the result vector of slot 97 (regression) or 98
// (discrimination): the unit vector into Pcs and ResultVector, the specimens' projections
// into Scores and Projections, the log lines, and the vector selector.
// Returns false without changing anything when the coefficients give no direction; the
// caller has shown nothing yet and shows its message.
bool PublishResultVector(Session& s, Frontend& fe, const Vector& b, int q, int slot,
                         const std::string& header);

}  // namespace vrel
