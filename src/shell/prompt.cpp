// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/prompt.h"

#include <cctype>
#include <climits>

namespace vrel {

int AskPrompt(Session& s, Frontend& fe, const std::string& question) {
  s.PromptResult = fe.AskNumber(question);
  return s.PromptResult;
}

bool ParseInteger(const std::string& text, int& value) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) return false;
  long long magnitude = 0;
  for (; i < end; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
  value = static_cast<int>(signedValue);
  return true;
}

}  // namespace vrel
