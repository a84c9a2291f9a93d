// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

namespace vrel {

// The drawing surface of a graphics window. Until a drawing is installed it shows the
// window's plain white background.
class PaintBox : public QWidget {
  Q_OBJECT

 public:
  using Painter = std::function<void(QPainter& painter, const QSize& size)>;

  explicit PaintBox(QWidget* parent = nullptr);

  void SetPainter(Painter painter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter painter_;
};

}  // namespace vrel
