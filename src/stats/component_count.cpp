// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/component_count.h"

#include <algorithm>

#include "numerics/components.h"
#include "shell/messages.h"
#include "shell/prompt.h"

namespace vrel {

int CapComponentCount(const Session& s, int q) {
  return std::min({q, ShapeSpaceDimension(s.Dimensions()), MaxRetainedComponents});
}

int AskComponentCount(Session& s, Frontend& fe, Message notEnough) {
  int q = AskPrompt(s, fe, "How many Pcs?");
  s.PcsRetained = q;
  if (q <= 0) return 0;
  q = CapComponentCount(s, q);
  s.PcsRetained = q;
  // A shape space without dimension leaves nothing to compute.
  if (q <= 0) return 0;
  if (q >= s.SpecimenCount - 1) {
    ShowProgramMessage(fe, notEnough);
    return 0;
  }
  return q;
}

int AskHomogeneityComponentCount(Session& s, Frontend& fe) {
  int q = AskPrompt(s, fe, "How many Pcs?");
  if (q < 1) q = 1;
  q = CapComponentCount(s, q);
  s.PcsRetained = q;
  return q < 1 ? 0 : q;
}

bool CheckGroups(const Session& s, Frontend& fe) {
  // A limit kept from an earlier, larger data file would read specimens that are not loaded.
  if (s.GroupLimit >= 1 && s.GroupLimit <= s.SpecimenCount - 2) return true;
  ShowProgramMessage(fe, Message::GroupsDoNotFit);
  return false;
}

}  // namespace vrel
