// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/picture.h"

#include "shell/file_dialogs.h"
#include "shell/format.h"

namespace vrel {

void Canvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void Canvas::LineTo(int x, int y) {
  picture_.items.push_back({PictureItem::Line, x_, y_, x, y, pen_, {}});
  x_ = x;
  y_ = y;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  picture_.items.push_back({PictureItem::Rectangle, x1, y1, x2, y2, pen_, {}, fill_});
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  picture_.items.push_back({PictureItem::Ellipse, x1, y1, x2, y2, pen_, {}, fill_});
}

void Canvas::TextOut(int x, int y, const std::string& text) {
  picture_.items.push_back({PictureItem::Text, x, y, x, y, pen_, text});
}

namespace {

const char* StyleName(PenStyle style) {
  switch (style) {
    case PenStyle::Dot:
      return "dot";
    case PenStyle::Dash:
      return "dash";
    case PenStyle::Solid:
      break;
  }
  return "solid";
}

const char* KindName(PictureItem::Kind kind) {
  switch (kind) {
    case PictureItem::Rectangle:
      return "rect";
    case PictureItem::Ellipse:
      return "ellipse";
    case PictureItem::Text:
      return "text";
    case PictureItem::Line:
      break;
  }
  return "line";
}

}  // namespace

std::string PictureListing(const Picture& picture) {
  std::string text = Format("picture %d %d\n", picture.width, picture.height);
  for (const PictureItem& item : picture.items) {
    if (item.kind == PictureItem::Text) {
      text += Format("text %d %d ", item.x1, item.y1) + item.text + "\n";
      continue;
    }
    text += Format("%s %d %d %d %d #%06x %d %s", KindName(item.kind), item.x1, item.y1, item.x2,
                   item.y2, static_cast<unsigned>(item.pen.colour), item.pen.width,
                   StyleName(item.pen.style));
    if (item.fill) text += Format(" fill #%06x", static_cast<unsigned>(*item.fill));
    text += "\n";
  }
  return text;
}

PrintArea PrintRectangle(int pictureWidth, int pictureHeight, double pageWidth) {
  if (pictureWidth <= 0) return {};
  const double scale = pageWidth / pictureWidth;
  const double height = pictureHeight * scale;
  return {0, 0, static_cast<int>(pageWidth), static_cast<int>(height)};
}

std::optional<PictureFileFormat> PictureFormatByExtension(const std::string& path) {
  const std::string extension = LowerExtension(path);
  if (extension == ".svg") return PictureFileFormat::Svg;
  if (extension == ".pdf") return PictureFileFormat::Pdf;
  if (extension == ".png") return PictureFileFormat::Png;
  return std::nullopt;
}

}  // namespace vrel
