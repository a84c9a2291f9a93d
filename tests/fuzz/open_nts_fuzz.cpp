// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_support.h"

VREL_READER_FUZZ_TARGET_NAMED(OpenData, Stage::Loaded, "fuzz-input.nts")
