// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/headless_frontend.h"

namespace vrel::test {

// The tests drive commands through the headless frontend: answers queued, every call recorded.
using ScriptedFrontend = HeadlessFrontend;

}  // namespace vrel::test
