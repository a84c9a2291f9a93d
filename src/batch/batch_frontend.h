// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "graphics/picture.h"
#include "shell/headless_frontend.h"

namespace vrel {

// The Frontend of vrel-batch: log lines go to standard output, message boxes to standard
// error as "SCRIPT:LINE: TEXT", and the command's arguments answer its prompts and dialogs.
class BatchFrontend : public HeadlessFrontend {
 public:
  BatchFrontend(std::ostream& out, std::ostream& err)
      : HeadlessFrontend(/*record=*/false), out_(out), err_(err) {}

  // Where the next message is reported from.
  void SetLocation(const std::string& script, int line) {
    script_ = script;
    line_ = line;
  }
  void ClearQueues() {
    numbers.clear();
    files.clear();
    texts.clear();
  }
  // Reports a line on standard error at the current location.
  void ReportError(const std::string& text);

  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  void AppendLog(const std::string& line) override;
  void ClearPicture(Window window) override { pictures.erase(window); }
  // A question is answered by the run's setting: with --capacity auto, Open Data makes room
  // for a file beyond the capacity while no data are loaded.
  bool AskYesNo(const std::string& question) override {
    (void)question;
    return makeRoom;
  }
  bool makeRoom = false;
  // A message that the script expects (expect-refusal) is not reported.
  bool quietMessages = false;

  // The picture each drawing window showed last: a window that keeps its picture (the plot
  // while nothing is to be plotted) exports the one it has, empty and of size 0 x 0 before its
  // first drawing.
  std::map<Window, Picture> pictures;

 private:
  std::ostream& out_;
  std::ostream& err_;
  std::string script_;
  int line_ = 0;
};

}  // namespace vrel
