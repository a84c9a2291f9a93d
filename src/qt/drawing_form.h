#pragma once

#include <QWidget>

#include "qt/paint_box.h"

namespace vrel {

// A white top-level window whose paint box fills the client area: the common frame of the
// specimens, vectors and plot windows.
class DrawingForm : public QWidget {
  Q_OBJECT

 public:
  DrawingForm(const char* name, const QString& caption, int left, int top, int width, int height);

  PaintBox* PaintBox1;
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
