// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/stages.h"

#include <array>
#include <stdexcept>

#include "files/file_commands.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "shell/headless_frontend.h"
#include "stats/statistics_commands.h"
#include "support/test_data.h"

namespace vrel::test {

namespace {

std::array<Session, 5> BuildStages() {
  std::array<Session, 5> stages;
  Session s;
  HeadlessFrontend fe;
  stages[0] = s;
  fe.files = {DataFile("gorilla.dat")};
  OpenDataClick(s, fe);
  stages[1] = s;
  GpaClick(s, fe);
  stages[2] = s;
  PcsClick(s, fe);
  stages[3] = s;
  fe.numbers = {30};
  DefineGroupsClick(s, fe);
  stages[4] = s;
  if (!fe.messages.empty() || s.GroupLimit != 29)
    throw std::runtime_error("the gorilla stages could not be built: " + fe.LastMessage());
  return stages;
}

}  // namespace

const Session& GorillaAt(Stage stage) {
  static const std::array<Session, 5> stages = BuildStages();
  return stages[static_cast<std::size_t>(stage)];
}

}  // namespace vrel::test
