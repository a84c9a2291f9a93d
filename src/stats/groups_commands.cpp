// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/prompt.h"
#include "stats/component_count.h"
#include "stats/regression.h"
#include "stats/result_vector.h"
#include "stats/significance_report.h"
#include "stats/statistics_commands.h"

namespace vrel {

namespace {

// The group codes centred over the n specimens, as the discrimination commands use them.
// Codes that no longer follow the groups (left from a data file with fewer specimens) are
// set again from the group limit.
Vector CentredGroupCodes(const Session& s) {
  const int n = s.SpecimenCount;
  const int limit = s.GroupLimit;
  Vector codes = AllocVector(s.Room.Specimens);
  for (int i = 0; i < n; ++i) codes[i] = s.GroupCodes[i];
  if (!IsConstantSegment(codes, 0, limit) || !IsConstantSegment(codes, limit, n) ||
      !(codes[0] < codes[limit]))
    for (int i = 0; i < n; ++i) codes[i] = i < limit ? 0.0 : 1.0;
  CentreSegment(codes, 0, n);
  return codes;
}

void CommitGroupCodes(Session& s, const Vector& codes) {
  for (int i = 0; i < s.SpecimenCount; ++i) s.GroupCodes[i] = codes[i];
}

}  // namespace

void DefineGroupsClick(Session& s, Frontend& fe) {
  const int rank = AskPrompt(s, fe, "Rank of the 1st specimen of the 2nd group?");
  const int n = s.SpecimenCount;
  s.GroupLimit = (rank > 0 && rank < n) ? rank - 1 : 0;
  for (int i = 0; i < n; ++i) s.GroupCodes[i] = i < s.GroupLimit ? 0.0 : 1.0;
  fe.AppendLog(Format("The groups limit is after the specimen : %d", s.GroupLimit));
  fe.Invalidate(Window::Plot);
}

void DiscriminationClick(Session& s, Frontend& fe) {
  if (!CheckGroups(s, fe)) return;
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  const Vector codes = CentredGroupCodes(s);
  Vector b = AllocVector(s.Room.Coordinates);
  MultipleRegression(codes, s.Scores, b, 0, s.SpecimenCount, q);
  if (!PublishResultVector(s, fe, b, q, DiscriminationColumn,
                           Format("Discrimination coefficient (normalized) with %5d PCS.", q))) {
    return ShowProgramMessage(fe, Message::NoDirection);
  }
  CommitGroupCodes(s, codes);
  for (int j = 0; j < q; ++j) s.Coefficients[j] = b[j];
}

void DiscriminationTestClick(Session& s, Frontend& fe) {
  if (!CheckGroups(s, fe)) return;
  const int q = AskComponentCount(s, fe, Message::NotEnoughSpecimensForDiscrimination);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  const Vector codes = CentredGroupCodes(s);
  Vector b = AllocVector(s.Room.Coordinates);
  const double r2 = MultipleRegression(codes, s.Scores, b, 0, n, q);
  if (!UsableStatistic(fe, r2, Message::DiscriminationNotComputable)) return;
  CommitGroupCodes(s, codes);
  for (int j = 0; j < q; ++j) s.Coefficients[j] = b[j];
  LogTestStatistic(fe, Format("Discrimination statistic for %5d components.", q), r2, q, n);
}

}  // namespace vrel
