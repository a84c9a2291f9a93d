#include "shell/specimen_names.h"

namespace vrel {

std::string SpecimenName(const Session& s, int i) {
  const std::string& name = s.SpecimenNames[static_cast<std::size_t>(i)];
  return name.empty() ? std::to_string(i + 1) : name;
}

std::string DifferenceName(const std::string& first, const std::string& second) {
  return second + "\u2212" + first;  // U+2212 MINUS SIGN
}

}  // namespace vrel
