#include "qt/drawing_form.h"

#include <QVBoxLayout>

#include "qt/qt_support.h"

namespace vrel {

DrawingForm::DrawingForm(const char* name, const QString& caption, int left, int top, int width,
                         int height)
    : QWidget(nullptr, Qt::Window) {
  setObjectName(name);
  setWindowTitle(caption);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  PaintBox1 = new PaintBox(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PaintBox1);

  PlaceForm(this, left, top, width, height);
}

TDrawWindow::TDrawWindow() : DrawingForm("DrawWindow", "Specimens Window", 40, 121, 576, 402) {}

TPcsDraw::TPcsDraw() : DrawingForm("PcsDraw", "Vectors Window", 19, 97, 568, 394) {}

TPlotDraw::TPlotDraw() : DrawingForm("PlotDraw", "Plot Window", 0, 75, 558, 376) {}

}  // namespace vrel
