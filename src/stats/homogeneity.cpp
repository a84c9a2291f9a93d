// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/homogeneity.h"

#include <utility>

#include "stats/random.h"

namespace vrel {

PermutationCounts PermuteAndCount(Vector& g, const Vector& h, int landmarks, int dimensions,
                                  double r, long permutations, SubtractiveRandomState& state,
                                  int& seed, const std::function<bool(long, long)>& progress) {
  PermutationCounts counts;
  const int d = landmarks * dimensions;
  // A single coordinate has no transposition: every pair would be drawn again for ever.
  if (d < 2) return counts;
  while (counts.done < permutations) {
    const int i = static_cast<int>(SubtractiveRandom(state, seed) * landmarks * dimensions);
    const int j = static_cast<int>(SubtractiveRandom(state, seed) * landmarks * dimensions);
    if (i == j) continue;
    std::swap(g[i], g[j]);
    double z = 0.0;
    for (int k = 0; k < d; ++k) z += g[k] * h[k];
    if (z > r) ++counts.count;
    ++counts.done;
    if (progress && counts.done % PermutationProgressInterval == 0 &&
        !progress(counts.done, permutations))
      break;
  }
  return counts;
}

}  // namespace vrel
