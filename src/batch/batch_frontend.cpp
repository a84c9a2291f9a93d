// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_frontend.h"

namespace vrel {

void BatchFrontend::ReportError(const std::string& text) {
  out_.flush();
  err_ << script_ << ':' << line_ << ": " << text << '\n';
  err_.flush();
}

void BatchFrontend::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
  HeadlessFrontend::ShowMessage(text, caption, icon);
  if (!quietMessages) ReportError(text);
}

void BatchFrontend::AppendLog(const std::string& line) { out_ << line << '\n'; }

}  // namespace vrel
