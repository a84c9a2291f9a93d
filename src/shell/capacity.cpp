// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/capacity.h"

#include <algorithm>
#include <new>
#include <string>

#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/prompt.h"
#include "shell/specimen_names.h"

namespace vrel {

bool CapacityInRange(long long specimens, long long coordinates) {
  return specimens >= 1 && specimens <= LargestSpecimenCapacity && coordinates >= 1 &&
         coordinates <= LargestCoordinateCapacity;
}

std::optional<Capacity> ParseCapacity(std::string_view text) {
  std::size_t cut = text.find_first_of("xX");
  std::size_t width = 1;
  if (cut == std::string_view::npos) {
    cut = text.find("\u00d7");
    width = 2;
  }
  if (cut == std::string_view::npos) return std::nullopt;
  int specimens = 0, coordinates = 0;
  const std::string_view first = text.substr(0, cut), second = text.substr(cut + width);
  // Digits only: no sign, no blanks.
  const auto digits = [](std::string_view t) {
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!digits(first) || !digits(second) || !ParseInteger(first, specimens) ||
      !ParseInteger(second, coordinates) || !CapacityInRange(specimens, coordinates))
    return std::nullopt;
  return Capacity{specimens, coordinates};
}

Capacity RoomFor(const Capacity& current, int specimens, int coordinates) {
  return {std::max(current.Specimens, specimens), std::max(current.Coordinates, coordinates)};
}

std::string CapacityLogLine(const Capacity& capacity) {
  return Format("Capacity: %d specimens of %d coordinates", capacity.Specimens,
                capacity.Coordinates);
}

bool ChangeCapacity(Session& s, Frontend& fe, const Capacity& capacity) {
  try {
    s.Reallocate(capacity);
  } catch (const std::bad_alloc&) {
    ShowProgramMessage(fe, Message::NotEnoughMemory);
    return false;
  }
  fe.SetComboItems(Combo::Indi, SpecimenListItems(s));
  fe.AppendLog(CapacityLogLine(capacity));
  return true;
}

void DataCapacityClick(Session& s, Frontend& fe) {
  if (s.DataLoaded) {
    ShowProgramMessage(fe, Message::CapacityNeedsEmptySession);
    return;
  }
  const int specimens = AskPrompt(s, fe, "How many specimens?");
  if (specimens == 0) return;
  const int coordinates = AskPrompt(s, fe, "How many coordinates per specimen?");
  if (coordinates == 0) return;
  if (!CapacityInRange(specimens, coordinates)) {
    ShowProgramMessage(fe, Message::CapacityOutOfRange);
    return;
  }
  if (ChangeCapacity(s, fe, {specimens, coordinates})) ActiverBoutons(s, fe);
}

}  // namespace vrel
