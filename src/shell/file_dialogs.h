// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

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

// A file name's extension in lower case, dot included ("data.TPS" gives ".tps"); empty when the
// last part of the path has none. The readers and writers choose their format by it.
std::string LowerExtension(const std::string& path);

// The extension, without its dot, that a save dialog's filter entry (counted from 0) gives a
// name typed without one: its first pattern's ("csv" for "*.csv", "svg" for "*.svg;*.pdf");
// empty for "*.*" or an entry the filter does not have.
std::string FilterExtension(const char* filter, int entry);

}  // namespace vrel
