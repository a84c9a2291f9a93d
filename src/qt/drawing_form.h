#pragma once

#include <QWidget>

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
  explicit DrawingForm(Window window);

  PaintBox* PaintBox1;
  // The right-click menu of the picture commands.
  QMenu* PopupMenu;

 private:
  void BuildPopupMenu(bool onPaintBox);
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
