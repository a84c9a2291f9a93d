#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "graphics/picture.h"
#include "qt/paint_box.h"
#include "shell/frontend.h"

class QMenu;

namespace vrel {

// A white top-level window whose paint box fills the client area, with its right-click menu:
// the common frame of the specimens, vectors and plot windows, built from the drawing windows'
// table.
class DrawingForm : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingForm(vrel::Window window);

  // What a paint records for a drawing area of the given size (nothing: keep the last picture),
  // and what the arrow keys do.
  using Recorder = std::function<std::optional<Picture>(int width, int height)>;
  using KeyAction = std::function<void(int key)>;
  void Attach(Recorder recorder, KeyAction keys);

  vrel::Window Window() const { return window_; }

  // The picture of the last paint, which the picture commands use.
  const Picture& LastPicture() const { return picture_; }

  PaintBox* PaintBox1;
  // The right-click menu of the picture commands.
  QMenu* PopupMenu;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildPopupMenu(bool onPaintBox);

  vrel::Window window_;
  Recorder recorder_;
  KeyAction keys_;
  Picture picture_;
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
