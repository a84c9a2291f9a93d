// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>

#include "shell/session.h"

namespace vrel {

// Subtractive generator with modulus 1000000000, uniform in [0, 1). A negative seed, or the
// first call, re-initialises the state from |seed| (which must stay below 161803398) and sets
// seed to 1; other calls continue the sequence.
double SubtractiveRandom(SubtractiveRandomState& state, int& seed);

// Shuffles n items by swapping item i with one drawn from 0..i, for i from n - 1 down to 1.
template <typename Swap>
void Shuffle(std::size_t n, SubtractiveRandomState& state, int& seed, Swap swap) {
  for (std::size_t i = n; i-- > 1;) {
    const auto j =
        static_cast<std::size_t>(SubtractiveRandom(state, seed) * static_cast<double>(i + 1));
    swap(i, std::min(j, i));
  }
}

// A seed for one test run from the C library's generator, never seeded by the program so that
// runs repeat: the negation of a value in 0 .. 32767.
int NextTestSeed();
// How many seeds NextTestSeed gave in this run.
long TestSeedsDrawn();

}  // namespace vrel
