// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/headless_frontend.h"
#include "shell/messages.h"
#include "shell/session.h"

namespace vrel::test {

// Exactly one message box was shown, with this text, caption and icon.
void ExpectOneMessage(const HeadlessFrontend& fe, const std::string& text,
                      const std::string& caption, Icon icon);
// Exactly one message box was shown: the program's message, with detail after its text.
void ExpectOneMessage(const HeadlessFrontend& fe, Message id, const std::string& detail = {});

// Every field of the session is as it was: counts, stage flags, group limit, view state, the
// link table and every array over its full capacity, not only the part in use.
void ExpectSessionUnchanged(const Session& before, const Session& after);

}  // namespace vrel::test
