#include "shell/file_dialogs.h"

namespace vrel {

const FileDialogSpec& DialogSpec(FileDialog dialog) {
  static const FileDialogSpec specs[] = {
      {"OpenDataDialog", false, "Open Data", "DAT|*.dat", false},
      {"OpenLinkDialog", false, "", "Link|*.lie", false},
      {"OpenVectorDialog", false, "", "VEC|*.vec", false},
      {"SaveTextDialog", true, "", "TXT|*.txt|ALL|*.*", true},
      {"SaveVectDialog", true, "", "VEC|*.vec|ALL|*.*", true},
      {"SaveDataDialog", true, "", "DATA|*.dat|ALL|*.*", true},
      {"SaveMetaDialog", true, "", "Pictures (*.svg *.pdf *.png)|*.svg;*.pdf;*.png", false},
  };
  // A picture is replaced without a question, unlike the result files.
  return specs[static_cast<int>(dialog)];
}

}  // namespace vrel
