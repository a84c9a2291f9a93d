// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/outliers.h"

#include <algorithm>
#include <cmath>

#include "numerics/superimposition_commands.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "stats/statistics_commands.h"

namespace vrel {

SampleQuartiles Quartiles(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  auto at = [&values](double p) {
    const double h = static_cast<double>(values.size() - 1) * p;
    const auto below = static_cast<std::size_t>(std::floor(h));
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (h - static_cast<double>(below)) * (values[above] - values[below]);
  };
  return {at(0.25), at(0.5), at(0.75)};
}

std::vector<int> BeyondUpperQuartile(const std::vector<double>& distances, double upper) {
  std::vector<int> beyond;
  for (std::size_t i = 0; i < distances.size(); ++i)
    if (distances[i] > upper) beyond.push_back(static_cast<int>(i));
  std::stable_sort(beyond.begin(), beyond.end(), [&distances](int a, int b) {
    return distances[static_cast<std::size_t>(a)] > distances[static_cast<std::size_t>(b)];
  });
  return beyond;
}

void OutliersClick(Session& s, Frontend& fe) {
  if (!s.Superimposed || s.SpecimenCount == 0) return;
  const std::vector<double> distances = ProcrustesDistances(s);
  const SampleQuartiles q = Quartiles(distances);
  const double fence = q.upper + 1.5 * (q.upper - q.lower);
  fe.AppendLog(Format("Procrustes distances to the consensus: median %f, quartiles %f and %f",
                      q.median, q.lower, q.upper));
  const std::vector<int> beyond = BeyondUpperQuartile(distances, q.upper);
  if (beyond.empty()) {
    fe.AppendLog("No specimen lies beyond the upper quartile.");
    return;
  }
  fe.AppendLog(
      Format("Beyond the upper quartile, farthest first (likely outliers beyond %f):", fence));
  for (int i : beyond) {
    const std::string& name = s.SpecimenNames[static_cast<std::size_t>(i)];
    const double d = distances[static_cast<std::size_t>(i)];
    fe.AppendLog(Format("%5d %s  %f", i + 1, name.c_str(), d) +
                 (d > fence ? "  likely outlier" : ""));
  }
  // The farthest specimen is shown alone in the specimens window, as the specimen list shows it.
  s.SelectedSpecimen = beyond.front();
  s.SpecimensView = 2;
  fe.SetComboIndex(Combo::Indi, s.SelectedSpecimen);
  fe.ShowWindow(Window::Specimens);
  fe.Invalidate(Window::Specimens);
}

}  // namespace vrel
