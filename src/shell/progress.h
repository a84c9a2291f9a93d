// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"

namespace vrel {

// One run of a long computation as the user sees it. Reports go to the frontend while it runs;
// the destructor sends the one final report, on every path out of the command (a normal end, a
// stop asked for by the user, an early return, an exception).
class ProgressRun {
 public:
  ProgressRun(Frontend& fe, long total) : fe_(fe), total_(total) {}
  ~ProgressRun();
  ProgressRun(const ProgressRun&) = delete;
  ProgressRun& operator=(const ProgressRun&) = delete;

  // Reports done steps; false when the user asked to stop.
  bool Report(long done);
  // How far the run got, for the final report.
  void SetDone(long done) { done_ = done; }

 private:
  Frontend& fe_;
  long total_;
  long done_ = 0;
  bool stopped_ = false;
};

}  // namespace vrel
