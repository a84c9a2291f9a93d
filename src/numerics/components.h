#pragma once

#include "shell/matrix.h"
#include "shell/session.h"

namespace vrel {

// Sorts w (LandmarkCount x DimensionCount values) into decreasing order, exchanging the
// columns of v (m rows) and u (SpecimenCount rows) alike.
void SortComponents(Matrix& u, Vector& w, Matrix& v, const DataDimensions& dims);

}  // namespace vrel
