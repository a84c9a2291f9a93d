// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/session.h"

namespace vrel {

// Subtractive generator with modulus 1000000000, uniform in [0, 1). A negative seed, or the
// first call, re-initialises the state from |seed| (which must stay below 161803398) and sets
// seed to 1; other calls continue the sequence.
double SubtractiveRandom(SubtractiveRandomState& state, int& seed);

// A seed for one test run from the C library's generator, never seeded by the program so that
// runs repeat: the negation of a value in 0 .. 32767.
int NextTestSeed();
// How many seeds NextTestSeed gave in this run.
long TestSeedsDrawn();

}  // namespace vrel
