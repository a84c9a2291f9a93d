// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/messages.h"
#include "shell/session.h"

namespace vrel {

// Components beyond this one would reach the size-or-factor column and the result slots.
inline constexpr int MaxRetainedComponents = 96;

// The largest number of components that the shape space of the loaded data allows, after the
// answer q: capped at 3p - 7 in three dimensions, 2p - 4 in two, p - 2 in one, and at 96 in any
// case.
int CapComponentCount(const Session& s, int q);

// Asks "How many Pcs?" and turns the answer into the number of components to use, kept in
// PcsRetained. Returns 0 when the command is to stop: a non-positive answer, a shape space
// without dimension, or too few specimens (then the notEnough message is shown).
int AskComponentCount(Session& s, Frontend& fe, Message notEnough = Message::NotEnoughSpecimens);

// The homogeneity test's reading of the same answer: a non-positive or cancelled answer means
// one component, and the specimens are not counted. Returns 0 when even one component does not
// fit the shape space.
int AskHomogeneityComponentCount(Session& s, Frontend& fe);

// Whether the groups set by Define groups still fit the data in memory: group 1 not empty and
// group 2 of at least two specimens. Shows a message when they do not.
bool CheckGroups(const Session& s, Frontend& fe);

}  // namespace vrel
