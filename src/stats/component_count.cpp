#include "stats/component_count.h"

#include "shell/messages.h"
#include "shell/prompt.h"

namespace vrel {

int CapComponentCount(const Session& s, int q) {
  if (s.DimensionCount == 3 && 3 * s.LandmarkCount - 7 <= q) q = 3 * s.LandmarkCount - 7;
  if (s.DimensionCount == 2 && 2 * s.LandmarkCount - 4 <= q) q = 2 * s.LandmarkCount - 4;
  // One coordinate per landmark: centring and scaling leave p - 2 dimensions of shape.
  if (s.DimensionCount == 1 && s.LandmarkCount - 2 <= q) q = s.LandmarkCount - 2;
  if (q > MaxRetainedComponents) q = MaxRetainedComponents;
  return q;
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
