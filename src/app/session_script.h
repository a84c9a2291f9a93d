// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/command_ids.h"
#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// What the user does in the windows, run exactly as the main window runs it and written down in
// the session's script as the vrel-batch lines that do the same again: a command with the answers
// it was given, a toolbar control with its value, a key, the mouse. A command that was refused or
// cancelled is written as a comment.
void PerformCommand(Session& s, Frontend& fe, CommandId id);
// A toolbar control with its value: the list's item index, the track bar's position (0 for a
// button).
void PerformControl(Session& s, Frontend& fe, ToolbarControl control, int value);
// Left or Right in the specimen or the vector list, which shows item (-1: none).
void PerformListKey(Session& s, Frontend& fe, ToolbarControl control, int item, int key);
// An arrow key in a drawing window.
void PerformWindowKey(Session& s, Frontend& fe, Window window, int key);
// Fits a drawing window's drawing to a drawing area of width x height (the key F).
void PerformFit(Session& s, Frontend& fe, Window window, int width, int height);
// The mouse in a drawing window: a drag by (dx, dy), the wheel's notches, a click at (x, y) of
// the drawing of width x height.
void PerformDrag(Session& s, Frontend& fe, Window window, int dx, int dy);
void PerformWheel(Session& s, Frontend& fe, Window window, int notches);
void PerformClick(Session& s, Frontend& fe, Window window, int width, int height, int x, int y);

// The picture commands of a drawing window, which the front end runs itself: a picture of
// width x height saved to path (a PNG drawn scale times larger), or a copy or a print, which a
// script cannot do again and only mentions.
void NotePictureSaved(Session& s, Window window, const std::string& path, int width, int height,
                      int scale, bool written);
void NoteNotReplayable(Session& s, const std::string& what);

// The script for a file in folder: a header comment (the version, savedAt, the capacity), then
// every line in order; file names below the folder are written relative to it.
std::string ScriptText(const Session& s, const std::string& folder, const std::string& savedAt);

// File > Save Script: writes the script to the file the user chooses.
void SaveScriptClick(Session& s, Frontend& fe);

// A word as a script line holds it: in double quotes, with \" and \\, when it holds white space,
// a quote, or starts with '#'.
std::string QuotedWord(std::string_view word);

// The words that the arrow keys of a drawing window are written as, by key code.
const char* ArrowKeyWord(int key);
int ArrowKeyOfWord(std::string_view word);

}  // namespace vrel
