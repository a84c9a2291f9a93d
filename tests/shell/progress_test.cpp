// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/progress.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/scripted_frontend.h"

namespace vrel {
namespace {

// The final report goes out on every way out of a run: the end, a stop, an exception.
TEST(ProgressRun, SendsOneFinalReportHoweverTheRunEnds) {
  struct Case {
    const char* name;
    long reached;
    bool stopAsked;
    bool throws;
    bool stopped;
  };
  const Case cases[] = {{"to the end", 10, false, false, false},
                        {"stopped by the user", 4, true, false, true},
                        {"left by an exception", 4, false, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScriptedFrontend fe;
    if (c.stopAsked) fe.stopProgressAt = c.reached;
    try {
      ProgressRun run(fe, 10);
      for (long done = 2; done <= c.reached; done += 2)
        EXPECT_EQ(run.Report(done), !c.stopAsked || done < c.reached);
      if (c.throws) throw std::runtime_error("out of memory, say");
    } catch (const std::runtime_error&) {
    }
    ASSERT_EQ(fe.progressReports.size(), static_cast<std::size_t>(c.reached / 2 + 1));
    for (std::size_t i = 0; i + 1 < fe.progressReports.size(); ++i)
      EXPECT_FALSE(fe.progressReports[i].finished);
    const ProgressReport last = fe.progressReports.back();
    EXPECT_TRUE(last.finished);
    EXPECT_EQ(last.done, c.reached);
    EXPECT_EQ(last.total, 10);
    EXPECT_EQ(last.stopped, c.stopped);
  }
}

}  // namespace
}  // namespace vrel
