// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions beyond the default capacity: the setting, Open Data's offer, and every reader and
// result file at a larger capacity.
#include "shell/capacity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "files/file_commands.h"
#include "support/checks.h"
#include "support/landmark_formats.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

// 320 specimens of 60 landmarks in the plane: a circle of landmarks, each specimen moved,
// turned, scaled and jittered. Beyond both default limits (300 specimens, 99 coordinates).
test::DatContent Synthetic() {
  test::DatContent dat{320, 60, 2, {}};
  std::mt19937 gen(11);
  std::normal_distribution<double> jitter(0.0, 0.02);
  std::uniform_real_distribution<double> turn(-0.3, 0.3);
  for (int i = 0; i < dat.n; ++i) {
    const double a = turn(gen), scale = 10.0 + i % 7;
    for (int l = 0; l < dat.p; ++l) {
      const double t = 2.0 * M_PI * l / dat.p;
      const double x = std::cos(t) * (1.0 + 0.1 * (l % 3)) + jitter(gen);
      const double y = std::sin(t) + jitter(gen);
      dat.coordinates.push_back(scale * (x * std::cos(a) - y * std::sin(a)) + i);
      dat.coordinates.push_back(scale * (x * std::sin(a) + y * std::cos(a)) - i);
    }
  }
  return dat;
}

std::string DatText(const test::DatContent& dat) {
  std::ostringstream text;
  text.precision(17);
  text << dat.n << ' ' << dat.p << ' ' << dat.k << '\n';
  for (double c : dat.coordinates) text << c << '\n';
  return text.str();
}

struct ScriptRun {
  int status;
  std::string out, err;
};

ScriptRun RunScript(Session& s, const std::string& script, bool autoCapacity = false) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = RunBatchScript(s, "big.vrel", in, out, err, false, nullptr, autoCapacity);
  return {status, out.str(), err.str()};
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(Capacity, ReadsNxMWithinTheRangeOnly) {
  EXPECT_EQ(ParseCapacity("400x150"), (Capacity{400, 150}));
  EXPECT_EQ(ParseCapacity("400X150"), (Capacity{400, 150}));
  EXPECT_EQ(ParseCapacity("400\u00d7150"), (Capacity{400, 150}));
  EXPECT_EQ(ParseCapacity("1x1"), (Capacity{1, 1}));
  EXPECT_EQ(ParseCapacity("100000x30000"), (Capacity{100000, 30000}));
  for (const char* bad : {"0x99", "300x0", "100001x99", "300x30001", "-5x99", "+5x99", "300", "x99",
                          "300x", " 300x99", "300x99x2", "3e2x99", "auto"})
    EXPECT_FALSE(ParseCapacity(bad)) << bad;
}

// The capacity word: its range at both edges, and never while data are loaded.
TEST(Capacity, TheWordChangesTheSessionOnlyWithinRangeAndWithoutData) {
  struct Case {
    const char* line;
    Capacity room;
    const char* error;
  };
  const std::string range = "A session holds 1 to 100000 specimens of 1 to 30000 coordinates";
  const Case cases[] = {
      {"capacity 100000 1", {100000, 1}, ""},
      {"capacity 1 30000", {1, 30000}, ""},
      {"capacity 100001 1", {}, "big.vrel:1: A session holds"},
      {"capacity 1 30001", {}, "big.vrel:1: A session holds"},
      {"capacity -1 99", {}, "big.vrel:1: A session holds"},
      {"capacity 0 99", {}, ""},  // 0 is the prompt's Cancel
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Session s;
    const ScriptRun run = RunScript(s, c.line);
    EXPECT_EQ(s.Room, c.room);
    EXPECT_EQ(run.err.rfind(c.error, 0), 0u) << run.err;
    EXPECT_EQ(run.status, *c.error ? 1 : 0);
    if (!*c.error && s.Room != Capacity{}) {
      EXPECT_EQ(run.out, "Capacity: " + std::to_string(c.room.Specimens) + " specimens of " +
                             std::to_string(c.room.Coordinates) + " coordinates\n");
    }
  }
  Session s;
  const ScriptRun run =
      RunScript(s, "open-data " + test::DataFile("gorilla.dat") + "\ncapacity 400 150\n");
  EXPECT_EQ(run.err,
            "big.vrel:2: The capacity changes only while no data are loaded: clear the "
            "session first\n");
  EXPECT_EQ(s.Room, Capacity{});
}

// A file beyond the capacity: No keeps the refusal a default session gives, Yes makes room; a
// file that does not read whole is refused without a question.
TEST(Capacity, OpenDataOffersRoomForALargerFile) {
  const test::DatContent dat = Synthetic();
  const std::string tps = test::WriteScratch("offer.tps", test::TpsFromDat(dat, 0.0, {}));
  const std::string question =
      "question:This file holds 320 specimens of 120 coordinates; the session holds 300 \u00d7 "
      "99. Make room for it?";
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    Session s;
    test::ScriptedFrontend fe;
    fe.files.push_back(tps);
    fe.answers.push_back(yes);
    OpenDataClick(s, fe);
    EXPECT_EQ(Count(Join(fe.events), question), 1);
    EXPECT_EQ(s.DataLoaded, yes);
    if (yes) {
      EXPECT_EQ(s.Room, (Capacity{320, 120}));
      EXPECT_EQ(s.Coordinates[319][119], dat.coordinates.back());
      EXPECT_TRUE(fe.messages.empty());
      EXPECT_EQ(fe.comboItems[Combo::Indi].size(), 320u);
    } else {
      EXPECT_EQ(s.Room, Capacity{});
      // A TPS file is checked specimen by specimen: the first one has too many landmarks.
      test::ExpectOneMessage(fe, Message::IncorrectLandmarkCount);
    }
  }
  // Cut short: refused as before, nobody asked.
  const std::string text = DatText(dat);
  const std::string cut = test::WriteScratch("cut.dat", text.substr(0, text.size() / 2));
  Session s;
  test::ScriptedFrontend fe;
  fe.files.push_back(cut);
  fe.answers.push_back(true);
  OpenDataClick(s, fe);
  EXPECT_EQ(Count(Join(fe.events), "question:"), 0);
  test::ExpectOneMessage(fe, Message::IncorrectSpecimenCount);
}

// Every reader and result file at a capacity beyond the default: the three data layouts, links
// beyond 49, a factor of 320 values, a selection of 60 landmarks, the reloads and a direction.
TEST(Capacity, EveryReaderAndResultFileWorksBeyondTheDefault) {
  const test::DatContent dat = Synthetic();
  const std::string dir = test::ScratchDir();
  test::WriteScratch("big.dat", DatText(dat));
  test::WriteScratch("big.tps", test::TpsFromDat(dat, 0.0, {}));
  test::WriteScratch("big.nts", test::NtsFromDat(dat, {}));
  std::string links = "60\n", factor = "320 1 1\n", selection = "1 60 1\n";
  for (int l = 1; l <= 60; ++l)
    links += std::to_string(l) + " " + std::to_string(l % 60 + 1) + "\n";
  for (int i = 0; i < 320; ++i) factor += std::to_string(i % 13) + "\n";
  for (int l = 0; l < 60; ++l) selection += l == 59 ? "0\n" : "1\n";
  test::WriteScratch("big.lie", links);
  test::WriteScratch("big_factor.vec", factor);
  test::WriteScratch("big_select.vec", selection);

  for (const char* layout : {"dat", "tps", "nts"}) {
    SCOPED_TRACE(layout);
    Session s;
    const ScriptRun run = RunScript(s,
                                    "capacity 400 150\n"
                                    "open-data " +
                                        dir + "big." + layout +
                                        "\n"
                                        "open-link " +
                                        dir +
                                        "big.lie\n"
                                        "superimpose\ncomponents\n"
                                        "open-factor " +
                                        dir +
                                        "big_factor.vec\n"
                                        "regression 5\n"
                                        "save-consensus " +
                                        dir +
                                        "cons.txt\n"
                                        "save-pcs 120 " +
                                        dir +
                                        "pcs.vec\n"
                                        "save-one-pcs 1 " +
                                        dir +
                                        "dir.vec\n"
                                        "save-scores 120 " +
                                        dir +
                                        "scores.csv\n"
                                        "save-residuals " +
                                        dir +
                                        "res.txt\n"
                                        "show-specimens\nexport specimens " +
                                        dir +
                                        "specimens.txt\n"
                                        "reload-consensus " +
                                        dir +
                                        "cons.txt\n"
                                        "components\n"
                                        "reload-pcs " +
                                        dir +
                                        "pcs.vec\n"
                                        "hyperprojection " +
                                        dir +
                                        "dir.vec\n"
                                        "clear-session\n"
                                        "open-data " +
                                        dir + "big." + layout +
                                        "\n"
                                        "open-selection " +
                                        dir + "big_select.vec\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, "Data: 320 Specimens, 60 Points, 2 Dimensions."), 2);
    EXPECT_EQ(Count(run.out, "Components kept: the first 96 of 120."), 2);
    EXPECT_EQ(s.LandmarkCount, 59);
    EXPECT_EQ(test::ParseCsv(test::ReadWhole(dir + "scores.csv")).size(), 321u);
    EXPECT_EQ(test::ParseCsv(test::ReadWhole(dir + "scores.csv"))[0].size(), 100u);
    EXPECT_EQ(test::ReadWhole(dir + "pcs.vec").rfind(" 120  99   1\n", 0), 0u);
    EXPECT_EQ(Count(test::ReadWhole(dir + "res.txt"), "\n"), 320);
    // A square for every landmark of every specimen, each drawn once: where one falls on a
    // square drawn again later, only the later one is kept.
    std::istringstream listing(test::ReadWhole(dir + "specimens.txt"));
    std::set<std::string> squares;
    int rects = 0;
    for (std::string line; std::getline(listing, line);)
      if (line.rfind("rect ", 0) == 0) ++rects, squares.insert(line);
    EXPECT_EQ(rects, static_cast<int>(squares.size()));
    EXPECT_GT(rects, 60);
    EXPECT_LT(rects, 320 * 60);
  }
}

}  // namespace
}  // namespace vrel
