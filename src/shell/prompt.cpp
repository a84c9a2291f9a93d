// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/prompt.h"

#include <climits>

namespace vrel {

int AskPrompt(Session& s, Frontend& fe, const std::string& question) {
  s.PromptResult = fe.AskNumber(question);
  return s.PromptResult;
}

namespace {

// The blanks of formatted input in the classic locale, whatever the desktop's language.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool ParseInteger(std::string_view text, int& value) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '+' || negative)) text.remove_prefix(1);
  if (text.empty()) return false;
  long long magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (!negative && magnitude > INT_MAX) return false;
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace vrel
