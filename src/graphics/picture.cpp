// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/picture.h"

#include <cstdint>

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

namespace {

// A line, rectangle or ellipse packed into two words, when its corners fit in 16 bits and its
// pen width in 8; the second word is never 0.
struct ShapeKey {
  std::uint64_t corners = 0, look = 0;
  bool operator==(const ShapeKey&) const = default;
};

std::optional<ShapeKey> Packed(const PictureItem& a) {
  for (const int v : {a.x1, a.y1, a.x2, a.y2})
    if (v < -32768 || v > 32767) return std::nullopt;
  if (a.pen.width < 0 || a.pen.width > 255) return std::nullopt;
  const auto bits16 = [](int v) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v));
  };
  ShapeKey key;
  key.corners = bits16(a.x1) | bits16(a.y1) << 16 | bits16(a.x2) << 32 | bits16(a.y2) << 48;
  key.look = (static_cast<std::uint64_t>(a.pen.colour) & 0xFFFFFF) |
             static_cast<std::uint64_t>(a.pen.width) << 24 |
             static_cast<std::uint64_t>(a.pen.style) << 32 |
             static_cast<std::uint64_t>(a.kind) << 34 |
             static_cast<std::uint64_t>(a.fill.has_value()) << 36 |
             (static_cast<std::uint64_t>(a.fill.value_or(0)) & 0xFFFFFF) << 37 | 1ull << 63;
  return key;
}

std::size_t Slot(const ShapeKey& key, std::size_t mask) {
  std::uint64_t h = key.corners * 0x9E3779B97F4A7C15ull ^ key.look * 0xC2B2AE3D27D4EB4Full;
  return static_cast<std::size_t>(h ^ (h >> 32)) & mask;
}

}  // namespace

void DropHiddenRepeats(Picture& picture) {
  std::vector<PictureItem>& items = picture.items;
  // An open table of the shapes seen, at most half full; look 0 marks an empty slot.
  std::size_t size = 16;
  while (size < 2 * items.size()) size *= 2;
  std::vector<ShapeKey> table(size);
  std::vector<bool> keep(items.size(), true);
  // From the last item back: an item seen later is drawn again over itself there, so whatever
  // it covers here is covered the same way again, after everything drawn in between. Text, and
  // shapes too far out to pack, always stay.
  for (std::size_t i = items.size(); i-- > 0;) {
    if (items[i].kind == PictureItem::Text) continue;
    const std::optional<ShapeKey> key = Packed(items[i]);
    if (!key) continue;
    for (std::size_t slot = Slot(*key, size - 1);; slot = (slot + 1) & (size - 1)) {
      if (table[slot].look == 0) {
        table[slot] = *key;
        break;
      }
      if (table[slot] == *key) {
        keep[i] = false;
        break;
      }
    }
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (keep[i]) {
      if (kept != i) items[kept] = std::move(items[i]);
      ++kept;
    }
  items.resize(kept);
}

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
