// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>

#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/progress.h"
#include "shell/prompt.h"
#include "stats/component_count.h"
#include "stats/homogeneity.h"
#include "stats/random.h"
#include "stats/regression.h"
#include "stats/result_vector.h"
#include "stats/statistics_commands.h"

namespace vrel {

void MantelTestClick(Session& s, Frontend& fe) {
  // The seed comes first, so that the sequence of tests in a run does not depend on answers.
  int seed = NextTestSeed();
  if (!CheckGroups(s, fe)) return;
  const int q = AskHomogeneityComponentCount(s, fe);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  const int limit = s.GroupLimit;
  const int d = s.CoordinateCount();
  if (IsConstantSegment(s.Factor, 0, limit) || IsConstantSegment(s.Factor, limit, n))
    return ShowProgramMessage(fe, Message::ConstantFactorWithinAGroup);

  Vector group1 = AllocVector(s.Room.Coordinates);
  Vector group2 = AllocVector(s.Room.Coordinates);
  GroupCrossProducts(s.Scores, s.Factor, group1, group2, limit, n, q);
  Vector g = AllocVector(d);
  Vector h = AllocVector(d);
  if (!CombineToUnitVector(s, group1, q, g) || !CombineToUnitVector(s, group2, q, h))
    return ShowProgramMessage(fe, Message::NoDirection);
  for (int j = 0; j < q; ++j) {
    s.Coefficients[j] = group1[j];
    s.GroupCoefficients[j] = group2[j];
  }

  double r = 0.0;
  for (int i = 0; i < d; ++i) r += g[i] * h[i];
  fe.AppendLog(Format("For %d PCS, the correlation coefficient is : %f", q, r));

  const int permutations = AskPrompt(s, fe, "How many Permutations?");
  PermutationCounts counts;
  {
    // The progress shown ends with the loop, whichever way it ends.
    ProgressRun progress(fe, permutations);
    counts = PermuteAndCount(g, h, s.LandmarkCount, s.DimensionCount, r, permutations, s.Random,
                             seed, [&progress](long done, long) { return progress.Report(done); });
    progress.SetDone(counts.done);
  }
  fe.AppendLog(
      Format(" and permuted z is over initial z for %ld on %ld", counts.count, counts.done));
  FreeVector(h);
  FreeVector(g);
}

}  // namespace vrel
