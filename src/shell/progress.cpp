// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/progress.h"

namespace vrel {

bool ProgressRun::Report(long done) {
  done_ = done;
  if (!fe_.Progress({done, total_, false, false})) stopped_ = true;
  return !stopped_;
}

ProgressRun::~ProgressRun() { fe_.Progress({done_, total_, true, stopped_ || done_ < total_}); }

}  // namespace vrel
