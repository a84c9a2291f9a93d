// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/format.h"

#include <locale.h>

namespace vrel {

namespace {

locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return classic;
}

}  // namespace

ClassicNumbers::ClassicNumbers() : previous_(uselocale(ClassicLocale())) {}

ClassicNumbers::~ClassicNumbers() { uselocale(static_cast<locale_t>(previous_)); }

}  // namespace vrel
