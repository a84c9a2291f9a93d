// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/significance_report.h"

#include <cmath>

#include "shell/format.h"
#include "stats/f_probability.h"

namespace vrel {

bool UsableStatistic(Frontend& fe, double r2, Message notComputable) {
  if (!std::isfinite(r2)) {
    ShowProgramMessage(fe, notComputable);
    return false;
  }
  if (r2 < 0.0 || r2 > 1.0) {
    ShowProgramMessage(fe, Message::StatisticOutOfRange);
    return false;
  }
  return true;
}

void LogTestStatistic(Frontend& fe, const std::string& heading, double r2, int q, int n) {
  const int df1 = q;
  const int df2 = n - q - 1;
  const double f = (r2 / (1.0 - r2)) * (static_cast<double>(df2) / df1);
  const float p = FProbability(df1, df2, static_cast<float>(f));
  fe.AppendLog(heading);
  fe.AppendLog(Format("R\u00b2= %f, F= %f with %d and %d DF, p< %f", r2, f, df1, df2,
                      static_cast<double>(p)));
  fe.ShowWindow(Window::Log);
}

}  // namespace vrel
