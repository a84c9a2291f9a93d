#pragma once

#include <string>

namespace vrel::test {

// Path of a file under tests/data.
inline std::string DataFile(const std::string& name) {
  return std::string(VREL_TEST_DATA_DIR) + "/" + name;
}

}  // namespace vrel::test
