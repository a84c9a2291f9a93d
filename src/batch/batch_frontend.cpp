#include "batch/batch_frontend.h"

namespace vrel {

void BatchFrontend::ReportError(const std::string& text) {
  out_.flush();
  err_ << script_ << ':' << line_ << ": " << text << '\n';
  err_.flush();
}

int BatchFrontend::AskNumber(const std::string&) {
  if (numbers_.empty()) return 0;
  const int value = numbers_.front();
  numbers_.pop_front();
  return value;
}

std::optional<std::string> BatchFrontend::ChooseFile(FileDialog) {
  if (files_.empty()) return std::nullopt;
  auto path = files_.front();
  files_.pop_front();
  return path;
}

void BatchFrontend::ShowMessage(const std::string& text, const std::string&, Icon) {
  ++messageCount_;
  ReportError(text);
}

void BatchFrontend::AppendLog(const std::string& line) { out_ << line << '\n'; }

bool BatchFrontend::IsWindowVisible(Window window) {
  auto it = visible_.find(window);
  return it == visible_.end() ? true : it->second;
}

}  // namespace vrel
