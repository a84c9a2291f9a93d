// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "files/file_commands.h"
#include "numerics/superimposition_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

struct Outcome {
  std::vector<std::string> log;
  std::string residuals;
};

// Open Data, Superimposition and Save Residuals on the gorilla skulls.
Outcome Analyse(const std::string& residualsPath) {
  Session s;
  test::ScriptedFrontend fe;
  fe.files = {test::DataFile("gorilla.dat"), residualsPath};
  OpenDataClick(s, fe);
  GpaClick(s, fe);
  SaveResidualsClick(s, fe);
  EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
  return {fe.log, test::ReadWhole(residualsPath)};
}

// A desktop language with a decimal comma changes nothing that Vrel reads or writes.
TEST(Locale, ADecimalCommaDesktopReadsAndWritesTheSameBytes) {
  const Outcome classic = Analyse(test::ScratchDir() + "residuals_c.txt");
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "the de_DE.UTF-8 locale is missing: tools/install-deps.sh generates it";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  const std::string comma = probe;
  const Outcome german = Analyse(test::ScratchDir() + "residuals_de.txt");
  std::setlocale(LC_ALL, "C");
  ASSERT_EQ(comma, "0,5");  // the locale really was in force
  EXPECT_EQ(german.log, classic.log);
  EXPECT_EQ(german.residuals, classic.residuals);
  EXPECT_NE(classic.log.back().find("0.181038"), std::string::npos);
}

}  // namespace
}  // namespace vrel
