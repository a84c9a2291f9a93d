// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/picture.h"

#include <cstdint>
#include <utility>

#include "shell/file_dialogs.h"
#include "shell/format.h"

namespace vrel {

void Canvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void Canvas::Record(PictureItem item) {
  if (filter_ == nullptr || filter_->Pass(item)) picture_.items.push_back(std::move(item));
}

void Canvas::LineTo(int x, int y) {
  Record({PictureItem::Line, x_, y_, x, y, pen_, {}});
  x_ = x;
  y_ = y;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  Record({PictureItem::Rectangle, x1, y1, x2, y2, pen_, {}, fill_});
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  Record({PictureItem::Ellipse, x1, y1, x2, y2, pen_, {}, fill_});
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

// A line, rectangle or ellipse packed into a word for its corners, when they fit in 16 bits,
// and half a word for its look, when it is not filled and its pen is at most 15 wide. Nothing
// for text and for other shapes, which are always kept.
std::optional<std::pair<std::uint64_t, std::uint32_t>> Packed(const PictureItem& a) {
  if (a.kind == PictureItem::Text || a.fill || a.pen.width < 0 || a.pen.width > 15)
    return std::nullopt;
  for (const int v : {a.x1, a.y1, a.x2, a.y2})
    if (v < -32768 || v > 32767) return std::nullopt;
  const auto bits16 = [](int v) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v));
  };
  const std::uint64_t corners =
      bits16(a.x1) | bits16(a.y1) << 16 | bits16(a.x2) << 32 | bits16(a.y2) << 48;
  const std::uint32_t look =
      (a.pen.colour & 0xFFFFFF) | static_cast<std::uint32_t>(a.pen.width) << 24 |
      static_cast<std::uint32_t>(a.pen.style) << 28 | static_cast<std::uint32_t>(a.kind) << 30;
  return std::pair{corners, look};
}

}  // namespace

RepeatFilter::Entry* RepeatFilter::Find(std::uint64_t corners, std::uint32_t look) {
  const std::size_t mask = table_.size() - 1;
  const std::uint64_t h =
      (corners ^ static_cast<std::uint64_t>(look) << 13) * 0x9E3779B97F4A7C15ull;
  for (std::size_t slot = static_cast<std::size_t>(h >> 40) & mask;; slot = (slot + 1) & mask) {
    Entry& entry = table_[slot];
    if (entry.last == Empty || (entry.corners == corners && entry.look == look)) return &entry;
  }
}

void RepeatFilter::Grow() {
  std::vector<Entry> old = std::move(table_);
  table_.assign(old.empty() ? 1024 : 2 * old.size(), Entry{});
  for (const Entry& entry : old)
    if (entry.last != Empty) *Find(entry.corners, entry.look) = entry;
}

void RepeatFilter::StartKeeping() {
  keeping_ = true;
  lastSteps_.assign(step_, false);
  for (const Entry& entry : table_)
    if (entry.last != Empty) lastSteps_[entry.last] = true;
  table_ = {};
  step_ = 0;
}

bool RepeatFilter::Pass(const PictureItem& item) {
  const auto key = Packed(item);
  if (!key) return keeping_;  // kept, and never counted
  const std::uint32_t step = step_++;
  if (keeping_) return step < lastSteps_.size() && lastSteps_[step];
  // At most half full.
  if (2 * (used_ + 1) > table_.size()) Grow();
  Entry* entry = Find(key->first, key->second);
  if (entry->last == Empty) {
    entry->corners = key->first;
    entry->look = key->second;
    ++used_;
  }
  entry->last = step;
  return false;
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
