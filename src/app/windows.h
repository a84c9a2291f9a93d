// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graphics/picture.h"
#include "shell/command_ids.h"
#include "shell/frontend.h"

namespace vrel {

// An item of a drawing window's right-click menu; the caption "-" is a separator line.
struct PopupItem {
  const char* name;
  const char* caption;
};

// One of the three drawing windows, as the front ends build it.
struct DrawingWindowInfo {
  Window id;
  const char* name;  // the form's name
  const char* caption;
  int left, top, width, height;   // the frame at start-up
  int clientWidth, clientHeight;  // the drawing area at start-up: the frame less its border
  const char* popupName;
  bool popupOnPaintBox = false;  // else on the form
  std::vector<PopupItem> popup;
  // The window's drawing for a drawing area of the given size; nothing when the window keeps the
  // picture it has.
  std::optional<Picture> (*draw)(const Session&, int width, int height);
  ControlHandler keyHandler = nullptr;  // the arrow keys in the window (null: none)
  const char* exportName;               // how vrel-batch's export names the window
  bool fits = false;                    // Fit to Window and the key F fit its drawing
  // The mouse (null: nothing): a drag with the left button by (dx, dy) pixels, the wheel's
  // notches, and a click and the tooltip at pixel (x, y) of the drawing of width x height.
  void (*dragHandler)(Session&, Frontend&, int dx, int dy) = nullptr;
  ControlHandler wheelHandler = nullptr;
  void (*clickHandler)(Session&, Frontend&, int width, int height, int x, int y) = nullptr;
  std::string (*tipAt)(const Session&, int width, int height, int x, int y) = nullptr;
};

// Specimens, vectors and plot, in that order.
const std::vector<DrawingWindowInfo>& DrawingWindowTable();
const DrawingWindowInfo& DrawingWindowDetails(Window id);

}  // namespace vrel
