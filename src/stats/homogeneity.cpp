#include "stats/homogeneity.h"

#include <utility>

#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/commands.h"
#include "shell/format.h"
#include "stats/component_count.h"
#include "stats/random.h"
#include "stats/regression.h"
#include "stats/result_vector.h"
#include "stats/stats_commands.h"

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

void MantelTestClick(Session& s, Frontend& fe) {
  // The seed comes first, so that the sequence of tests in a run does not depend on answers.
  int seed = NextTestSeed();
  if (!CheckGroups(s, fe)) return;
  const int q = AskHomogeneityComponentCount(s, fe);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  const int limit = s.GroupLimit;
  const int d = s.CoordinateCount();
  if (IsConstantSegment(s.Factor, 0, limit) || IsConstantSegment(s.Factor, limit, n)) {
    fe.ShowMessage("The factor is constant within a group: there is no regression", "",
                   Icon::Exclamation);
    return;
  }

  Vector group1 = AllocVector(MaxCoordinates);
  Vector group2 = AllocVector(MaxCoordinates);
  FactorCrossProducts(s.Scores, s.Factor, group1, 0, limit, q);
  FactorCrossProducts(s.Scores, s.Factor, group2, limit, n, q);
  Vector g = AllocVector(d);
  Vector h = AllocVector(d);
  if (!CombineToUnitVector(s, group1, q, g) || !CombineToUnitVector(s, group2, q, h)) {
    fe.ShowMessage(NoDirectionMessage, "", Icon::Exclamation);
    return;
  }
  for (int j = 0; j < q; ++j) {
    s.Coefficients[j] = group1[j];
    s.GroupCoefficients[j] = group2[j];
  }

  double r = 0.0;
  for (int i = 0; i < d; ++i) r += g[i] * h[i];
  fe.AppendLog(Format("For %d PCS, the correlation coefficient is : %f", q, r));

  const int permutations = AskPrompt(s, fe, "How many Permutations?");
  const PermutationCounts counts =
      PermuteAndCount(g, h, s.LandmarkCount, s.DimensionCount, r, permutations, s.Random, seed,
                      [&fe](long done, long total) { return fe.Progress(done, total); });
  fe.AppendLog(
      Format(" and permuted z is over initial z for %ld on %ld", counts.count, counts.done));
  FreeVector(h);
  FreeVector(g);
}

}  // namespace vrel
