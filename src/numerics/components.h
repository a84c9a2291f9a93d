#pragma once

#include "shell/matrix.h"
#include "shell/session.h"

namespace vrel {

// Sorts w (LandmarkCount x DimensionCount values) into decreasing order, exchanging the
// columns of v (m rows) and u (SpecimenCount rows) alike.
void SortComponents(Matrix& u, Vector& w, Matrix& v, const DataDimensions& dims);

// Centres Factor over the specimens and writes it to score column 96, rescaled to the length
// SingularValues[0] of the first score column. A factor of zero length gives a column of
// zeros. Returns the length of the centred factor.
double ScaleFactorColumn(Session& s);

// Component columns 97 and 98 hold the regression and discrimination vectors; when new
// components are written over them (columnsWritten > 97 or > 98), those vectors are gone.
void ForgetOverwrittenResultVectors(Session& s, int columnsWritten);

}  // namespace vrel
