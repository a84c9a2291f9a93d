// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/session.h"

#include <algorithm>
#include <new>
#include <utility>

namespace vrel {

namespace {

class AllocationSteps {
 public:
  explicit AllocationSteps(int failAt) : failAt_(failAt) {}
  void Next() {
    if (step_++ == failAt_) throw std::bad_alloc();
  }

 private:
  int failAt_;
  int step_ = 0;
};

}  // namespace

namespace {

// A matrix or vector of the new size holding what fits of the old one's contents.
Matrix Resized(const Matrix& old, int rows, int cols) {
  Matrix grown = AllocMatrix(rows, cols);
  CopyBlock(old, grown, std::min(rows, old.Rows()), std::min(cols, old.Cols()));
  return grown;
}

Vector Resized(const Vector& old, int n) {
  Vector grown = AllocVector(n);
  for (int i = 0; i < std::min(n, old.Size()); ++i) grown[i] = old[i];
  return grown;
}

// Every array of the session at a capacity, built aside so that a failure changes nothing.
struct Arrays {
  Arrays(const Session& old, Capacity c, int failAt) {
    AllocationSteps step(failAt);
    const int n = c.Specimens, m = c.Coordinates;
    step.Next();
    Coordinates = Resized(old.Coordinates, n, m);
    step.Next();
    Consensus = Resized(old.Consensus, m);
    step.Next();
    Residuals = Resized(old.Residuals, n, m);
    step.Next();
    Factor = Resized(old.Factor, n);
    step.Next();
    GroupCodes = Resized(old.GroupCodes, n);
    step.Next();
    Coefficients = Resized(old.Coefficients, m);
    step.Next();
    GroupCoefficients = Resized(old.GroupCoefficients, m);
    step.Next();
    ResultVector = Resized(old.ResultVector, m);
    step.Next();
    Projections = Resized(old.Projections, n);
    step.Next();
    Scores = Resized(old.Scores, n, ScoreTableWidth(c));
    step.Next();
    SingularValues = Resized(old.SingularValues, ScoreTableWidth(c));
    step.Next();
    Pcs = Resized(old.Pcs, m, MaxComponents);
    step.Next();
    LandmarkSelection = Resized(old.LandmarkSelection, SelectionCapacity(c));
    Sizes = old.Sizes;
    Sizes.resize(static_cast<std::size_t>(n));
    SpecimenNames = old.SpecimenNames;
    SpecimenNames.resize(static_cast<std::size_t>(n));
    Links = old.Links;
    Links.resize(2 * static_cast<std::size_t>(LinkCapacity(c)));
  }
  Matrix Coordinates, Residuals, Scores, Pcs;
  Vector Consensus, Factor, GroupCodes, Coefficients, GroupCoefficients, ResultVector, Projections,
      SingularValues, LandmarkSelection;
  std::vector<double> Sizes;
  std::vector<std::string> SpecimenNames;
  std::vector<std::int32_t> Links;
};

void Adopt(Session& s, Arrays&& a, Capacity c) {
  s.Room = c;
  s.Coordinates = std::move(a.Coordinates);
  s.Consensus = std::move(a.Consensus);
  s.Residuals = std::move(a.Residuals);
  s.Factor = std::move(a.Factor);
  s.GroupCodes = std::move(a.GroupCodes);
  s.Coefficients = std::move(a.Coefficients);
  s.GroupCoefficients = std::move(a.GroupCoefficients);
  s.ResultVector = std::move(a.ResultVector);
  s.Projections = std::move(a.Projections);
  s.Scores = std::move(a.Scores);
  s.SingularValues = std::move(a.SingularValues);
  s.Pcs = std::move(a.Pcs);
  s.LandmarkSelection = std::move(a.LandmarkSelection);
  s.Sizes = std::move(a.Sizes);
  s.SpecimenNames = std::move(a.SpecimenNames);
  s.Links = std::move(a.Links);
  // What pointed beyond a smaller capacity goes.
  s.LinkCount = std::min(s.LinkCount, LinkCapacity(c));
  if (s.GroupLimit > c.Specimens) s.GroupLimit = 0;
  if (s.SelectedSpecimen >= c.Specimens) s.SelectedSpecimen = 0;
}

}  // namespace

Session::Session(Capacity capacity, int failAtAllocation) {
  Adopt(*this, Arrays(*this, capacity, failAtAllocation), capacity);
  StartRoom = capacity;
}

void Session::Reallocate(Capacity capacity) {
  if (capacity == Room) return;
  Adopt(*this, Arrays(*this, capacity, -1), capacity);
}

}  // namespace vrel
