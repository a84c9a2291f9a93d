#pragma once

#include "shell/frontend.h"

namespace vrel {

struct FileDialogSpec {
  const char* name;    // the dialog's name on the main window
  bool save;           // a save dialog (else an open dialog)
  const char* title;   // empty: the toolkit's default title
  const char* filter;  // description|pattern pairs
  bool overwritePrompt;
};

const FileDialogSpec& DialogSpec(FileDialog dialog);

}  // namespace vrel
