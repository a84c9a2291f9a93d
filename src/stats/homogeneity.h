// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "shell/matrix.h"
#include "shell/session.h"

namespace vrel {

struct PermutationCounts {
  long count = 0;  // rearrangements whose dot product with h exceeded r
  long done = 0;   // accepted transpositions
};

// How often the loop reports its progress, in accepted transpositions.
inline constexpr long PermutationProgressInterval = 4096;

// Moves g on by random transpositions of two distinct coordinates (drawn from the subtractive
// generator; a pair with equal indices is drawn again and not counted), `permutations` times,
// and counts the arrangements whose dot product with h exceeds r. g keeps the last arrangement.
// d = landmarks x dimensions coordinates. progress(done, permutations) is called every
// PermutationProgressInterval steps; when it answers false the loop stops there.
PermutationCounts PermuteAndCount(Vector& g, const Vector& h, int landmarks, int dimensions,
                                  double r, long permutations, SubtractiveRandomState& state,
                                  int& seed, const std::function<bool(long, long)>& progress = {});

}  // namespace vrel
