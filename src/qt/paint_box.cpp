// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/paint_box.h"

#include <QPainter>

namespace vrel {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) { setObjectName("PaintBox1"); }

void PaintBox::SetPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void PaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (painter_) painter_(painter, size());
}

}  // namespace vrel
