// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/checks.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/invariants.h"

namespace vrel::test {

namespace {

std::string Shown(const HeadlessFrontend& fe) {
  std::ostringstream out;
  for (const auto& m : fe.messages)
    out << " [" << m.text << " | " << m.caption << " | " << static_cast<int>(m.icon) << "]";
  return out.str();
}

}  // namespace

void ExpectOneMessage(const HeadlessFrontend& fe, const std::string& text,
                      const std::string& caption, Icon icon) {
  ASSERT_EQ(fe.messages.size(), 1u) << "messages shown:" << Shown(fe);
  EXPECT_EQ(fe.messages[0].text, text);
  EXPECT_EQ(fe.messages[0].caption, caption) << text;
  EXPECT_EQ(fe.messages[0].icon, icon) << text;
}

void ExpectOneMessage(const HeadlessFrontend& fe, Message id, const std::string& detail) {
  const MessageInfo& info = MessageDetails(id);
  ExpectOneMessage(fe, info.text + detail, info.caption, info.icon);
}

void ExpectSessionUnchanged(const Session& before, const Session& after) {
  for (const std::string& change : SessionDifferences(before, after)) ADD_FAILURE() << change;
}

}  // namespace vrel::test
