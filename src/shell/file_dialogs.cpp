// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_dialogs.h"

#include <cctype>

namespace vrel {

const FileDialogSpec& DialogSpec(FileDialog dialog) {
  static const FileDialogSpec specs[] = {
      {"OpenDataDialog", false, "Open Data", "DAT|*.dat|TPS|*.tps|NTS|*.nts", false},
      {"OpenLinkDialog", false, "", "Link|*.lie", false},
      {"OpenVectorDialog", false, "", "VEC|*.vec", false},
      {"SaveTextDialog", true, "", "TXT|*.txt|ALL|*.*", true},
      {"SaveVectDialog", true, "", "VEC|*.vec|ALL|*.*", true},
      {"SaveDataDialog", true, "", "DATA|*.dat|ALL|*.*", true},
      {"SaveMetaDialog", true, "", "Pictures (*.svg *.pdf *.png)|*.svg;*.pdf;*.png", false},
      {"OpenDataDialog", false, "Open Data", "DAT|*.dat", false},
      {"SaveTextDialog", true, "", "TXT|*.txt|CSV|*.csv|ALL|*.*", true},
      {"SaveVectDialog", true, "", "VEC|*.vec|CSV|*.csv|ALL|*.*", true},
      {"SaveScriptDialog", true, "Save Script", "Vrel script|*.vrel|ALL|*.*", true},
      {"SaveCsvDialog", true, "", "CSV|*.csv|ALL|*.*", true},
      {"OpenVariablesDialog", false, "Open Variables", "CSV|*.csv|ALL|*.*", false},
  };
  // A picture is replaced without a question, unlike the result files.
  return specs[static_cast<int>(dialog)];
}

std::string LowerExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return {};
  std::string extension = path.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

std::string FilterExtension(const char* filter, int entry) {
  if (entry < 0) return {};
  const std::string text(filter);
  // The patterns of entry e are the field 2e + 1 of the |-separated list.
  std::size_t begin = 0;
  for (int field = 0; field < 2 * entry + 1; ++field) {
    begin = text.find('|', begin);
    if (begin == std::string::npos) return {};
    ++begin;
  }
  const std::string patterns = text.substr(begin, text.find('|', begin) - begin);
  const std::string first = patterns.substr(0, patterns.find(';'));
  if (!first.starts_with("*.")) return {};
  const std::string extension = first.substr(2);
  if (extension.empty() || extension.find_first_of("*?") != std::string::npos) return {};
  return extension;
}

}  // namespace vrel
