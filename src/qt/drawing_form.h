// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "graphics/picture.h"
#include "qt/paint_box.h"
#include "shell/frontend.h"

class QMenu;
class QPrinter;

namespace vrel {

struct DrawingWindowInfo;
struct Session;

// What runs the program's handlers: the session, the frontend, and one command at a time.
class HandlerRunner {
 public:
  using Handler = std::function<void(Session&, Frontend&)>;
  // Runs the handler unless one is running already (inside its prompt, say): then nothing.
  virtual void Run(const Handler& handler) = 0;
  virtual Session& State() = 0;
  virtual Frontend& Front() = 0;

 protected:
  ~HandlerRunner() = default;
};

// A white top-level window whose paint box fills the client area, with its right-click menu:
// the common frame of the specimens, vectors and plot windows, built from the window's row of
// the drawing windows' table. Its drawing, arrow keys and mouse run through the runner.
class DrawingForm : public QWidget {
  Q_OBJECT

 public:
  DrawingForm(vrel::Window window, HandlerRunner& runner);
  ~DrawingForm() override;

  vrel::Window Window() const;

  // When the window last came to the front, as a count of such events among the drawing
  // windows (0: never): which of two windows is nearer the front.
  long long InFrontSince() const { return inFrontSince_; }
  void MarkInFront();

  // The picture of the last paint, which the picture commands use.
  const Picture& LastPicture() const { return picture_; }
  // Forgets it: the window shows white until it draws again.
  void ClearPicture();
  // A crowd of specimens (see CrowdedDrawing) is shown again from the image of its last paint
  // while the window keeps its size; whatever runs a command forgets that image.
  void ForgetImage() { imageKept_ = false; }

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
  // The arrow keys, and F, which fits the drawing to the window.
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  // The mouse over the paint box: a drag with the left button reports each move, the wheel
  // whole notches (up: > 0), a click (the left button released where it was pressed) and the
  // tooltip their pixel.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPopupMenu(bool onPaintBox);

  const DrawingWindowInfo& info_;
  HandlerRunner& runner_;
  QPoint pressedAt_;
  QPoint lastDragAt_;
  bool leftDown_ = false;
  int wheelEighths_ = 0;  // wheel turned, in eighths of a degree, not yet a whole notch
  long long inFrontSince_ = 0;
  Picture picture_;
  QImage image_;
  bool imageKept_ = false;
  std::unique_ptr<QPrinter> printer_;
};

// The specimens window.
class TDrawWindow : public DrawingForm {
  Q_OBJECT

 public:
  explicit TDrawWindow(HandlerRunner& runner);
};

// The vectors window.
class TPcsDraw : public DrawingForm {
  Q_OBJECT

 public:
  explicit TPcsDraw(HandlerRunner& runner);
};

// The plot window.
class TPlotDraw : public DrawingForm {
  Q_OBJECT

 public:
  explicit TPlotDraw(HandlerRunner& runner);
};

}  // namespace vrel
