// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/session.h"

#include <new>

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

Session::Session(int failAtAllocation) {
  AllocationSteps step(failAtAllocation);
  step.Next();
  Coordinates = AllocMatrix(MaxSpecimens, MaxCoordinates);
  step.Next();
  Consensus = AllocVector(MaxCoordinates);
  step.Next();
  Residuals = AllocMatrix(MaxSpecimens, MaxCoordinates);
  step.Next();
  Factor = AllocVector(MaxSpecimens);
  step.Next();
  GroupCodes = AllocVector(MaxSpecimens);
  step.Next();
  Coefficients = AllocVector(MaxCoordinates);
  step.Next();
  GroupCoefficients = AllocVector(MaxCoordinates);
  step.Next();
  ResultVector = AllocVector(MaxCoordinates);
  step.Next();
  Projections = AllocVector(MaxSpecimens);
  step.Next();
  Scores = AllocMatrix(MaxSpecimens, MaxComponents);
  step.Next();
  SingularValues = AllocVector(MaxComponents);
  step.Next();
  Pcs = AllocMatrix(MaxCoordinates, MaxComponents);
  step.Next();
  LandmarkSelection = AllocVector(MaxSelection);
}

}  // namespace vrel
