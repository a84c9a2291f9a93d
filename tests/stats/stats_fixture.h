// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "shell/session.h"

namespace vrel::test {

// A session as the components leave it, built by hand: d = p x k coordinates, the components
// are the coordinate axes (column j of Pcs is unit vector j), the scores are fixed
// pseudo-random values centred over the sample, the residuals are the shapes the scores
// describe, and the factor is centred.
inline void FillComponentSession(Session& s, int n, int p, int k) {
  s.SpecimenCount = n;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  s.DataLoaded = s.Superimposed = s.ComponentsComputed = true;
  const int d = p * k;
  for (int r = 0; r < d; ++r) s.Pcs[r][r] = 1.0;
  unsigned state = 12345u;  // a small linear congruential sequence: independent columns
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<double>((state >> 8) & 0xFFFF) / 65536.0 - 0.5;
  };
  for (int j = 0; j < d && j < 96; ++j) {
    double mean = 0.0;
    for (int i = 0; i < n; ++i) {
      s.Scores[i][j] = next() / (1.0 + 0.2 * j);
      mean += s.Scores[i][j];
    }
    mean /= n;
    for (int i = 0; i < n; ++i) s.Scores[i][j] -= mean;
  }
  for (int i = 0; i < n; ++i)
    for (int r = 0; r < d; ++r) s.Residuals[i][r] = r < 96 ? s.Scores[i][r] : 0.0;
  double mean = 0.0;
  for (int i = 0; i < n; ++i) {
    s.Factor[i] = 2.0 * s.Scores[i][0] - s.Scores[i][1] + 0.3 * next();
    mean += s.Factor[i];
  }
  mean /= n;
  for (int i = 0; i < n; ++i) s.Factor[i] -= mean;
}

inline void DefineGroupLimit(Session& s, int limit) {
  s.GroupLimit = limit;
  for (int i = 0; i < s.SpecimenCount; ++i) s.GroupCodes[i] = i < limit ? 0.0 : 1.0;
}

}  // namespace vrel::test
