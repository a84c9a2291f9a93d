// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"
#include "shell/session.h"

namespace vrel {

// t[i] = (I - u u') r[i] for the first SpecimenCount rows, LandmarkCount x DimensionCount
// values each: removes from every residual its component along u (all of it when u has unit
// length). r and t must be different matrices.
void Hyperproject(const Matrix& r, Matrix& t, const DataDimensions& dims, const Vector& u);

// Replaces the specimens by the differences within consecutive pairs (second minus first):
// halves SpecimenCount, writes the centred differences to rows 0..h-1 of r, adds their mean
// to the consensus and turns sizes into the pairs' size differences.
void PairDifferences(Matrix& r, Vector& consensus, double* sizes, DataDimensions& dims);

}  // namespace vrel
