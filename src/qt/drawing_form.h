// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "graphics/picture.h"
#include "qt/paint_box.h"
#include "shell/frontend.h"

class QMenu;
class QPrinter;

namespace vrel {

// A white top-level window whose paint box fills the client area, with its right-click menu:
// the common frame of the specimens, vectors and plot windows, built from the drawing windows'
// table.
class DrawingForm : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingForm(vrel::Window window);
  ~DrawingForm() override;

  // What a paint records for a drawing area of the given size (nothing: keep the last picture),
  // and what the arrow keys do.
  using Recorder = std::function<std::optional<Picture>(int width, int height)>;
  using KeyAction = std::function<void(int key)>;
  void Attach(Recorder recorder, KeyAction keys);

  // What the mouse does over the drawing; an empty action: nothing. A drag reports each move by
  // (dx, dy) pixels with the left button down; the wheel whole notches (up: > 0); a click (the
  // left button released where it was pressed) and the tooltip their pixel and the drawing's size.
  struct MouseActions {
    std::function<void(int dx, int dy)> drag;
    std::function<void(int notches)> wheel;
    std::function<void(int width, int height, int x, int y)> click;
    std::function<std::string(int width, int height, int x, int y)> tip;
  };
  void AttachMouse(MouseActions actions);

  vrel::Window Window() const { return window_; }

  // The picture of the last paint, which the picture commands use.
  const Picture& LastPicture() const { return picture_; }
  // Forgets it: the window shows white until it draws again.
  void ClearPicture();

  // Where the picture commands ask for a file name and report what went wrong.
  void SetFrontend(Frontend* frontend) { frontend_ = frontend; }

  // The picture commands of the right-click menu: they act on the last picture and never paint.
  // Copy puts it on the clipboard as an image of its size.
  void Copy1Click();
  // Save to metafile writes it to the file chosen in the main window's picture dialog.
  void SauveMetafileClick();
  // Print prints it on one page, as wide as the page.
  void Print1Click();
  // The window's printer, which keeps the settings of the print dialog between two prints.
  QPrinter& Printer();

  PaintBox* PaintBox1;
  // The right-click menu of the picture commands.
  QMenu* PopupMenu;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The mouse over the paint box.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPopupMenu(bool onPaintBox);

  vrel::Window window_;
  Recorder recorder_;
  KeyAction keys_;
  MouseActions mouse_;
  QPoint pressedAt_;
  QPoint lastDragAt_;
  bool leftDown_ = false;
  int wheelEighths_ = 0;  // wheel turned, in eighths of a degree, not yet a whole notch
  Picture picture_;
  Frontend* frontend_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

// The specimens window.
class TDrawWindow : public DrawingForm {
  Q_OBJECT

 public:
  TDrawWindow();
};

// The vectors window.
class TPcsDraw : public DrawingForm {
  Q_OBJECT

 public:
  TPcsDraw();
};

// The plot window.
class TPlotDraw : public DrawingForm {
  Q_OBJECT

 public:
  TPlotDraw();
};

}  // namespace vrel
