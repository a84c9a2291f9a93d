// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "batch/batch_frontend.h"
#include "graphics/drawings.h"
#include "shell/messages.h"
#include "support/image_files.h"
#include "support/test_data.h"

namespace vrel {
namespace {

struct ScriptRun {
  int status;
  std::string out;
  std::string err;
};

ScriptRun RunScript(Session& s, const std::string& script, bool keepGoing = false) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = RunBatchScript(s, "job.vrel", in, out, err, keepGoing);
  return {status, out.str(), err.str()};
}

TEST(BatchScript, SplitsWordsAndDropsComments) {
  EXPECT_EQ(SplitScriptLine("  save-scores\t12  scores.txt # twelve"),
            (std::vector<std::string>{"save-scores", "12", "scores.txt"}));
  EXPECT_TRUE(SplitScriptLine("# only a comment").empty());
  EXPECT_EQ(SplitScriptLine("save-residuals res#1.txt #a comment"),
            (std::vector<std::string>{"save-residuals", "res#1.txt"}));
  EXPECT_TRUE(SplitScriptLine("   ").empty());
  // Quotes hold blanks, a '#' and quotes of a name; a '#' after the words starts a comment.
  EXPECT_EQ(SplitScriptLine(R"(open-data "my data/g 1.dat" "#x" "a\"b\\c" ""  # note)"),
            (std::vector<std::string>{"open-data", "my data/g 1.dat", "#x", "a\"b\\c", ""}));
  EXPECT_EQ(SplitScriptLine("save-sizes \"open"), (std::vector<std::string>{"save-sizes", "open"}));
}

// A script line by line: what each refusal says, and where the run stops.
TEST(BatchScript, RefusalsNameTheScriptAndLineAndStopTheRunUnlessKeepGoing) {
  const std::string gorilla =
      "open-data " + test::DataFile("gorilla.dat") + "\nsuperimpose\ncomponents\n";
  const std::string badNts = test::WriteScratch("bad.nts", "1 2 4 0 DIM=2\n1 2 3 4\n5 six 7 8\n");
  const std::string edge = test::ScratchDir() + "edge.txt";
  struct Case {
    std::string script;
    bool keepGoing;
    std::string err;                 // empty: the script runs to its end, status 0
    std::optional<std::string> out;  // nothing: not checked
  };
  const Case cases[] = {
      // An editor's byte-order mark before the first word is no part of it.
      {"\xEF\xBB\xBF# start afresh\n\nclear-session   # again\r\n", false, "", ""},
      {"clear-session\nfrobnicate 3\nclear-session\n", false,
       "job.vrel:2: unknown command 'frobnicate'\n", ""},
      {"nope\nnope again\n", false, "job.vrel:1: unknown command 'nope'\n", ""},
      {"# header\nregression\n", false, "job.vrel:2: 'regression' takes 1 argument, 0 given\n", ""},
      {"save-scores 5\n", false, "job.vrel:1: 'save-scores' takes 2 arguments, 1 given\n", ""},
      {"clear-session extra\n", false, "job.vrel:1: 'clear-session' takes 0 arguments, 1 given\n",
       ""},
      {"superimpose\n", false, "job.vrel:1: 'superimpose' is not available now\n", ""},
      {"open-data /nonexistent/file.dat\nclear-session\n", false, "job.vrel:1: Invalid file\n", ""},
      {"open-data " + badNts + "\n", false, "job.vrel:1: Line 3: \"six\" is not a number\n", ""},
      // A folder given as data is refused like any unreadable file, and the run goes on.
      {"nope\nclear-session\nnope again\nopen-data " + test::ScratchDir() + "\nclear-session\n",
       true,
       "job.vrel:1: unknown command 'nope'\njob.vrel:3: unknown command 'nope'\n"
       "job.vrel:4: Invalid file\n",
       std::nullopt},
      // Every list, the track bar and the picture size at both ends of their range.
      {gorilla + "select-specimen 0\nselect-specimen 1\nselect-specimen 300\nselect-specimen 301\n",
       true,
       "job.vrel:4: 'select-specimen' takes a number from 1 to 300\n"
       "job.vrel:7: 'select-specimen' takes a number from 1 to 300\n",
       std::nullopt},
      {gorilla + "select-vector 0\nselect-vector 1\nselect-vector 99\nselect-vector 100\n", true,
       "job.vrel:4: 'select-vector' takes a number from 1 to 99\n"
       "job.vrel:7: 'select-vector' takes a number from 1 to 99\n",
       std::nullopt},
      {gorilla + "magnitude -11\nmagnitude -10\nmagnitude 10\nmagnitude 11\n", true,
       "job.vrel:4: 'magnitude' takes a number from -10 to 10\n"
       "job.vrel:7: 'magnitude' takes a number from -10 to 10\n",
       std::nullopt},
      {gorilla + "plot 0 1\nplot 1 0\nplot 1 1\nplot 99 99\nplot 100 1\nplot 1 100\n", true,
       "job.vrel:4: 'plot' takes two numbers from 1 to 99\n"
       "job.vrel:5: 'plot' takes two numbers from 1 to 99\n"
       "job.vrel:8: 'plot' takes two numbers from 1 to 99\n"
       "job.vrel:9: 'plot' takes two numbers from 1 to 99\n",
       std::nullopt},
      {"export plot " + edge + " 0x1\nexport plot " + edge + " 1x1\nexport plot " + edge +
           " 10000x10000\nexport plot " + edge + " 1x10001\n",
       true,
       "job.vrel:1: 'export' takes a size WIDTHxHEIGHT of 1 to 10000 pixels, not '0x1'\n"
       "job.vrel:4: 'export' takes a size WIDTHxHEIGHT of 1 to 10000 pixels, not '1x10001'\n",
       ""},
      // fit names a shape window that draws.
      {"fit specimens\n", false, "job.vrel:1: 'fit' is not available now\n", ""},
      {gorilla + "fit\n", false, "job.vrel:4: 'fit' takes 1 argument, 0 given\n", std::nullopt},
      {gorilla + "fit plot\n", false, "job.vrel:4: 'fit' fits specimens or vectors, not 'plot'\n",
       std::nullopt},
      {gorilla + "show-specimens\nfit vectors\nfit specimens\n", true,
       "job.vrel:5: 'fit' is not available now\n", std::nullopt},
      // The words a saved script adds, at the ends of their ranges.
      {"zoom 9.9999e-7\nzoom 1e-6\nzoom 1e6\nzoom 1.0001e6\nzoom nan\nzoom 1x\nzoom 1e300\n", true,
       "job.vrel:1: 'zoom' takes a number from 1e-06 to 1e+06, not '9.9999e-7'\n"
       "job.vrel:4: 'zoom' takes a number from 1e-06 to 1e+06, not '1.0001e6'\n"
       "job.vrel:5: 'zoom' takes a number from 1e-06 to 1e+06, not 'nan'\n"
       "job.vrel:6: 'zoom' takes a number from 1e-06 to 1e+06, not '1x'\n"
       "job.vrel:7: 'zoom' takes a number from 1e-06 to 1e+06, not '1e300'\n",
       ""},
      {"view-angles -1e-9 0\nview-angles 0 0\nview-angles 6.2831855 6.2831855\n"
       "view-angles 0 6.2831861\nview-angles 1\n",
       true,
       "job.vrel:1: 'view-angles' takes two angles from 0 to 6.2831855 radians\n"
       "job.vrel:4: 'view-angles' takes two angles from 0 to 6.2831855 radians\n"
       "job.vrel:5: 'view-angles' takes 2 arguments, 1 given\n",
       ""},
      {"next-specimen 1\n", false, "job.vrel:1: 'next-specimen' is not available now\n", ""},
      {gorilla + "next-specimen -1\nnext-specimen 0\nprevious-specimen 300\nnext-specimen 301\n"
                 "next-vector 0\nprevious-vector 99\nnext-vector 100\n",
       true,
       "job.vrel:4: 'next-specimen' takes a number from 0 to 300\n"
       "job.vrel:7: 'next-specimen' takes a number from 0 to 300\n"
       "job.vrel:10: 'next-vector' takes a number from 0 to 99\n",
       std::nullopt},
      // An expected refusal is not reported; a line that then runs is.
      {"expect-refusal open-data /nonexistent/file.dat\nexpect-refusal clear-session\n", false,
       "job.vrel:2: 'clear-session' was expected to be refused and ran\n", ""},
      {"expect-refusal\n", false, "job.vrel:1: 'expect-refusal' takes a script line\n", ""},
      {"make-room now\n", false, "job.vrel:1: 'make-room' takes 0 arguments, 1 given\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    Session s;
    const ScriptRun run = RunScript(s, c.script, c.keepGoing);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, c.err.empty() ? 0 : 1);
    if (c.out) {
      EXPECT_EQ(run.out, *c.out);
    }
  }
}

// fit sets the zoom that fits the window at its start-up size; fit-on-resize toggles.
TEST(BatchScript, FitSetsTheZoomOfTheWindowsSize) {
  Session s;
  const ScriptRun run =
      RunScript(s, "open-data " + test::DataFile("gorilla.dat") +
                       "\nsuperimpose\nshow-specimens\nzoom-in\nfit specimens\nfit-on-resize\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::optional<double> scale = FittingScale(s, Window::Specimens, 568, 375);
  ASSERT_TRUE(scale);
  EXPECT_FLOAT_EQ(s.DrawScale, static_cast<float>(*scale));
  EXPECT_TRUE(s.FitOnResizeOption);
}

// The figure options toggle like their menu items; the grid is refused for spatial data.
TEST(BatchScript, FigureOptionsToggleAndTheGridWantsPlanarData) {
  Session s;
  ScriptRun run = RunScript(s,
                            "grid\nellipses\naxis-titles\nellipses\naxis-scales\nlegend\n"
                            "large-markers\nname-labels\nlegend\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(s.GridOption);
  EXPECT_FALSE(s.EllipsesOption);
  EXPECT_TRUE(s.AxisTitlesOption);
  EXPECT_TRUE(s.AxisScalesOption);
  EXPECT_FALSE(s.LegendOption);
  EXPECT_TRUE(s.LargeMarkersOption);
  EXPECT_TRUE(s.NameLabelsOption);
  run = RunScript(s, "open-data " + test::DataFile("macaques.dat") + "\ngrid\n");
  EXPECT_EQ(run.err, "job.vrel:2: 'grid' is not available now\n");
  EXPECT_TRUE(s.GridOption);
}

// open-data takes TPS files by their extension; save-sizes writes CSV by its own.
TEST(BatchScript, OpensTpsAndWritesCsv) {
  Session s;
  const std::string tps =
      test::WriteScratch("batch.tps", "LM=3\n0 0\n4 0\n0 3\nID=a\nLM=3\n1 1\n2 2\n3 0\nID=b\n");
  const std::string csv = test::ScratchDir() + "batch_sizes.csv";
  ScriptRun run = RunScript(s, "open-data " + tps + "\nsuperimpose\nsave-sizes " + csv + "\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n', run.out.find('\n') + 1) + 1),
            "Data File : " + tps + "\nData: 2 Specimens, 3 Points, 2 Dimensions.\n");
  EXPECT_EQ(test::ReadWhole(csv).substr(0, 14), "specimen,Cs\na,");
}

TEST(BatchFrontend, AnswersComeFromArgumentsAndMessagesGoToStandardError) {
  std::ostringstream out, err;
  BatchFrontend fe(out, err);
  fe.SetLocation("a.vrel", 7);
  fe.numbers.push_back(12);
  fe.files.push_back(std::string("x.txt"));
  fe.files.push_back(std::nullopt);
  EXPECT_EQ(fe.AskNumber("Number of PCS"), 12);
  EXPECT_EQ(fe.AskNumber("Number of PCS"), 0);  // nothing more queued: as Cancel
  EXPECT_EQ(fe.ChooseFile(FileDialog::SaveText), std::optional<std::string>("x.txt"));
  EXPECT_EQ(fe.ChooseFile(FileDialog::SaveText), std::nullopt);
  fe.AppendLog("a log line");
  fe.ShowMessage("Invalid file", "", Icon::Stop);
  EXPECT_EQ(out.str(), "a log line\n");
  EXPECT_EQ(err.str(), "a.vrel:7: Invalid file\n");
  EXPECT_EQ(fe.messageCount, 1);
}

// export hands images to the writer it is given, at the size asked for; listings stay its own.
TEST(BatchScript, ExportHandsImagesToTheWriter) {
  std::vector<std::string> written;
  const ImageFileWriter writer = [&written](const Picture& picture, const std::string& path,
                                            Frontend& fe, int scale) {
    written.push_back(path + " " + std::to_string(picture.width) + "x" +
                      std::to_string(picture.height) +
                      (scale == 1 ? "" : " x" + std::to_string(scale)));
    if (path == "full.png") ShowProgramMessage(fe, Message::CannotWriteFile, path);
    return path != "full.png";
  };
  const std::string gorillaPlot =
      "open-data " + test::DataFile("gorilla.dat") + "\nsuperimpose\ncomponents\nplot 1 2\n";
  const std::string listing = test::ScratchDir() + "LISTING.TXT";
  struct Case {
    std::string script;
    bool withWriter;
    std::vector<std::string> written;
    std::string err;
  };
  const Case cases[] = {
      {"export specimens a.svg 300x200\nexport vectors b.PDF\nexport plot c.png\n",
       true,
       {"a.svg 300x200", "b.PDF 560x367", "c.png 0x0"},
       ""},
      {"export specimens fig.jpeg\n",
       true,
       {},
       "job.vrel:1: 'export' writes .txt, .svg, .pdf or .png files, not 'fig.jpeg'\n"},
      {"export specimens full.png\nclear-session\n",
       true,
       {"full.png 568x375"},
       "job.vrel:1: Cannot write file full.png\n"},
      {"export specimens a.png\n",
       false,
       {},
       "job.vrel:1: 'export' writes picture listings (.txt) in this version\n"},
      // Clear Session leaves the plot nothing to export, as before its first drawing.
      {gorillaPlot + "export plot p.png\nclear-session\nexport plot q.png\n",
       true,
       {"p.png 550x349", "q.png 0x0"},
       ""},
      // The scale of a PNG, at both ends of its range and beyond them.
      {"export specimens s1.png x1\nexport specimens s8.png 100x50 x8\n",
       true,
       {"s1.png 568x375", "s8.png 100x50 x8"},
       ""},
      {"export specimens s0.png x0\n",
       true,
       {},
       "job.vrel:1: 'export' takes a scale x1 to x8, not 'x0'\n"},
      {"export specimens s9.png 100x50 x9\n",
       true,
       {},
       "job.vrel:1: 'export' takes a scale x1 to x8, not 'x9'\n"},
      {"export specimens s.svg x2\n",
       true,
       {},
       "job.vrel:1: 'export' scales PNG images only, not 's.svg'\n"},
      {"export specimens s.png 10x10 x2 x2\n",
       true,
       {},
       "job.vrel:1: 'export' takes 2 to 4 arguments, 5 given\n"},
      // A listing's extension in any case is a listing, never handed to the writer.
      {gorillaPlot + "export plot " + listing + "\n", true, {}, ""},
  };
  for (const Case& c : cases) {
    written.clear();
    Session s;
    std::istringstream in(c.script);
    std::ostringstream out, err;
    const int status =
        RunBatchScript(s, "job.vrel", in, out, err, false, c.withWriter ? writer : nullptr);
    EXPECT_EQ(written, c.written) << c.script;
    EXPECT_EQ(err.str(), c.err) << c.script;
    EXPECT_EQ(status, c.err.empty() ? 0 : 1) << c.script;
  }
  EXPECT_EQ(test::ReadWhole(listing).substr(0, 16), "picture 550 349\n");
}

// The installed program on a script file: its exit status, and what it wrote to both streams.
int RunProgram(const std::string& script, std::string& output, const std::string& options = "") {
  const std::string written = test::ScratchDir() + "program_output.txt";
  const int status = std::system(
      (std::string(VREL_BATCH_PATH) + " " + options + " '" + script + "' > '" + written + "' 2>&1")
          .c_str());
  output = test::ReadWhole(written);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BatchProgram, ExitStatusFollowsTheScript) {
  struct Case {
    std::string script;
    int status;
    std::string output;  // a part of what it wrote; empty: nothing at all
    std::string options = "";
  };
  const std::string fish = test::WriteScratch(
      "fish.vrel", "open-data " + test::DataFile("pupfish.tps") + "\nsuperimpose\ncomponents\n");
  const std::string clean = test::WriteScratch("clean.vrel", "clear-session\n");
  const Case cases[] = {
      {test::WriteScratch("clean.vrel", "# nothing but a comment\nclear-session\n"), 0, ""},
      {test::WriteScratch("unknown.vrel", "clear-session\nunknown-word\n"), 1,
       "unknown.vrel:2: unknown command 'unknown-word'\n"},
      // A script that cannot be read is not run: status 2, apart from 1 for a message.
      {test::ScratchDir() + "missing.vrel", 2, "cannot read the script"},
      {test::ScratchDir(), 2, "cannot read the script"},
      // The capacity: auto makes room for a file, NxM within range only.
      {fish, 1, "fish.vrel:1: Incorrect number of landmarks\n"},
      {fish, 0, "Components kept: the first 96 of 112.\n", "--capacity auto"},
      {fish, 0, "Data: 54 Specimens", "--capacity 54x112"},
      {fish, 1, "Incorrect number of specimens", "--capacity 53x112"},
      {clean, 0, "", "--capacity 100000x1"},
      {clean, 0, "", "--capacity 1x30000"},
      {clean, 2, "--capacity takes auto or NxM", "--capacity 100001x30000"},
      {clean, 2, "--capacity takes auto or NxM", "--capacity 300x30001"},
      {clean, 2, "--capacity takes auto or NxM", "--capacity"},  // takes the script for NxM
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(RunProgram(c.script, output, c.options), c.status) << c.script << c.options;
    if (c.output.empty()) {
      EXPECT_EQ(output, "");
    } else {
      EXPECT_NE(output.find(c.output), std::string::npos) << output;
    }
  }
}

#ifdef VREL_BATCH_IMAGES
// The program writes real images: valid files of the size asked for, a clear message for a
// picture not drawn yet.
TEST(BatchProgram, ExportsImagesAtTheRequestedSize) {
  const std::string dir = test::ScratchDir();
  std::string output;
  EXPECT_EQ(RunProgram(test::WriteScratch("export.vrel",
                                          "open-data " + test::DataFile("gorilla.dat") +
                                              "\nsuperimpose\nexport specimens " + dir +
                                              "s.png 300x200\n" + "export specimens " + dir +
                                              "s.svg 320x240\nexport vectors " + dir +
                                              "v.pdf 200x100\nexport plot " + dir + "p.png\n"),
                       output),
            1);
  EXPECT_NE(output.find("export.vrel:6: There is no picture to export yet: the window has "
                        "not drawn anything\n"),
            std::string::npos)
      << output;
  EXPECT_EQ(test::PngSize(dir + "s.png"), (test::PixelSize{300, 200}));
  EXPECT_EQ(test::ReadSvg(test::ReadWhole(dir + "s.svg")).viewBox, "0 0 320 240");
  EXPECT_EQ(test::PdfPageBoxes(dir + "v.pdf"), std::vector<std::string>{"200 100"});
  EXPECT_FALSE(std::filesystem::exists(dir + "p.png"));
}

// The README's figures: the example script, run into a scratch folder, makes each of them.
TEST(BatchProgram, TheExampleFiguresAreMade) {
  const std::string examples = std::string(VREL_SOURCE_DIR) + "/examples/gorilla/";
  std::string script = test::ReadWhole(examples + "figures.vrel");
  ASSERT_FALSE(script.empty());
  const std::string dir = test::ScratchDir() + "figures/";
  std::filesystem::create_directories(dir);
  auto replaceAll = [&script](const std::string& from, const std::string& to) {
    for (std::size_t at = script.find(from); at != std::string::npos;
         at = script.find(from, at + to.size()))
      script.replace(at, from.size(), to);
  };
  replaceAll("examples/gorilla/figures/", dir);
  replaceAll(" examples/gorilla/", " " + examples);
  std::string output;
  ASSERT_EQ(RunProgram(test::WriteScratch("figures.vrel", script), output), 0) << output;
  struct Figure {
    const char* name;
    int width, height;
    int scale = 1;  // of the PNG; the SVG keeps the window's size
  };
  const Figure figures[] = {{"specimens", 568, 375},     {"regression", 560, 367},
                            {"plot", 550, 349},          {"regression_grid", 560, 367},
                            {"plot_ellipses", 550, 349}, {"plot_publication", 550, 349, 3},
                            {"specimens_fit", 568, 375}};
  for (const Figure& f : figures) {
    EXPECT_EQ(test::PngSize(dir + f.name + ".png"),
              (test::PixelSize{f.width * f.scale, f.height * f.scale}))
        << f.name;
    const std::string svg = test::ReadWhole(dir + f.name + ".svg");
    EXPECT_EQ(test::ReadSvg(svg).viewBox,
              "0 0 " + std::to_string(f.width) + " " + std::to_string(f.height));
    EXPECT_TRUE(test::ReadSvg(svg).closed) << f.name;
  }
  // The plot shows 30 females as squares and 29 males as circles, within its frame.
  EXPECT_EQ(test::CountOf(test::ReadWhole(dir + "plot.svg"), "<circle"), 29);
  // The grid lies under the shape change; the ellipses' plot names its axes with their variance.
  EXPECT_NE(test::ReadWhole(dir + "regression_grid.svg").find("#b4b4b4"), std::string::npos);
  const std::string ellipses = test::ReadWhole(dir + "plot_ellipses.svg");
  EXPECT_NE(ellipses.find("PC1 (46.1%)"), std::string::npos);
  EXPECT_NE(ellipses.find("PC2 (16.9%)"), std::string::npos);
}
#endif

}  // namespace
}  // namespace vrel
