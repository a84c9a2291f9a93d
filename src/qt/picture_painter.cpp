// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vrel {

namespace {

QPen QtPen(const Pen& pen) {
  QPen qt(QColor::fromRgb(static_cast<QRgb>(pen.colour)));
  qt.setWidth(pen.width);
  switch (pen.style) {
    case PenStyle::Dot:
      qt.setStyle(Qt::DotLine);
      break;
    case PenStyle::Dash:
      qt.setStyle(Qt::DashLine);
      break;
    case PenStyle::Solid:
      qt.setStyle(Qt::SolidLine);
      break;
  }
  qt.setCapStyle(Qt::FlatCap);
  return qt;
}

// The pixels of a box from corner to corner, less the right and bottom edge.
QRect Box(const PictureItem& item) {
  const int left = std::min(item.x1, item.x2);
  const int top = std::min(item.y1, item.y2);
  const int right = std::max(item.x1, item.x2);
  const int bottom = std::max(item.y1, item.y2);
  return QRect(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

}  // namespace

void ReplayPicture(const Picture& picture, QPainter& painter, bool antialiased) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, antialiased);
  if (antialiased) painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setBrush(Qt::white);
  const QFontMetrics metrics(painter.font());
  // Pens change seldom in a drawing: set one only when it changes.
  bool penSet = false;
  Pen current;
  for (const PictureItem& item : picture.items) {
    if (item.kind != PictureItem::Text && (!penSet || !(item.pen == current))) {
      painter.setPen(QtPen(item.pen));
      current = item.pen;
      penSet = true;
    }
    switch (item.kind) {
      case PictureItem::Line:
        painter.drawLine(item.x1, item.y1, item.x2, item.y2);
        break;
      case PictureItem::Rectangle:
      case PictureItem::Ellipse:
        // Most boxes are filled white: change the brush only for a filled one.
        if (item.fill) painter.setBrush(QColor::fromRgb(static_cast<QRgb>(*item.fill)));
        if (item.kind == PictureItem::Rectangle)
          painter.drawRect(Box(item));
        else
          painter.drawEllipse(Box(item));
        if (item.fill) painter.setBrush(Qt::white);
        break;
      case PictureItem::Text: {
        const QString text = QString::fromStdString(item.text);
        painter.setPen(Qt::black);
        penSet = false;
        painter.drawText(QPoint(item.x1, item.y1 + metrics.ascent()), text);
        break;
      }
    }
  }
  painter.restore();
}

QImage PictureImage(const Picture& picture, int scale) {
  scale = std::max(scale, 1);
  QImage image(std::max(picture.width, 1) * scale, std::max(picture.height, 1) * scale,
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  if (scale == 1) {
    ReplayPicture(picture, painter);
  } else {
    painter.scale(scale, scale);
    ReplayPicture(picture, painter, /*antialiased=*/true);
  }
  return image;
}

}  // namespace vrel
