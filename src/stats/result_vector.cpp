// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/result_vector.h"

#include <cmath>

#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/format.h"

namespace vrel {

bool CombineToUnitVector(const Session& s, const Vector& b, int q, Vector& v) {
  const int d = s.CoordinateCount();
  CombineColumns(s.Pcs, b, v, q, d);
  const double length = NormaliseSegment(v, 0, d);
  return length > 0.0 && std::isfinite(length);
}

bool PublishResultVector(Session& s, Frontend& fe, const Vector& b, int q, int slot,
                         const std::string& header) {
  const int n = s.SpecimenCount;
  const int d = s.CoordinateCount();
  Vector v = AllocVector(s.Room.Coordinates);
  if (!CombineToUnitVector(s, b, q, v)) return false;
  Vector shown = AllocVector(q);
  for (int j = 0; j < q; ++j) shown[j] = b[j];
  const double length = NormaliseSegment(shown, 0, q);
  if (!(length > 0.0 && std::isfinite(length))) return false;

  for (int r = 0; r < d; ++r) {
    s.ResultVector[r] = v[r];
    s.Pcs[r][slot] = v[r];
  }
  const bool regression = slot == RegressionColumn;
  (regression ? s.RegressionVectorReady : s.DiscriminationVectorReady) = true;
  MultiplyRows(s.Residuals, s.ResultVector, s.Projections, n, d);
  for (int i = 0; i < n; ++i) s.Scores[i][slot] = s.Projections[i];

  fe.AppendLog(header);
  for (int j = 0; j < q; ++j) fe.AppendLog(Format("PCS %d :  %f", j + 1, shown[j]));
  FreeVector(shown);
  if (regression ? s.DiscriminationVectorReady : s.RegressionVectorReady)
    fe.AppendLog(Format("Angle between vectors = %f degrees",
                        ColumnAngle(s.Pcs, d, RegressionColumn, DiscriminationColumn)));

  fe.SetComboIndex(Combo::Comp, slot);
  s.SelectedComponent = slot;
  s.VectorsView = 1;
  fe.Invalidate(Window::Vectors);
  return true;
}

}  // namespace vrel
