// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrel {

enum class PenStyle { Solid, Dot, Dash };

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Red = 0xff0000;
inline constexpr std::uint32_t LimeGreen = 0x00ff00;
inline constexpr std::uint32_t Blue = 0x0000ff;
inline constexpr std::uint32_t GridGrey = 0xb4b4b4;

struct Pen {
  std::uint32_t colour = Black;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  bool operator==(const Pen&) const = default;
};

// One drawing step with the pen in force. Rectangles and ellipses are outlined with the pen and
// filled white, or in the fill colour when one is set; text is written with its top-left corner
// at (x1, y1).
struct PictureItem {
  enum Kind { Line, Rectangle, Ellipse, Text } kind = Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Pen pen;
  std::string text;
  std::optional<std::uint32_t> fill = std::nullopt;
  bool operator==(const PictureItem&) const = default;
};

// A recorded drawing: its size and its items in drawing order. The front ends replay it on
// the screen, into image files and on paper.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<PictureItem> items;
  bool operator==(const Picture&) const = default;
};

// Drops the lines, rectangles and ellipses that the same shape drawn again later covers whole,
// without recording them: the same steps are drawn twice, the first time to note when each shape
// is drawn last, the second time keeping it only then. The picture shows the same (pixel for
// pixel where edges are not smoothed) with fewer items to replay. Text is never dropped.
class RepeatFilter {
 public:
  // Whether a canvas records the shape: noting, never; keeping, only its last drawing.
  bool Pass(const PictureItem& item);
  // The first drawing is over: the second one keeps what it must.
  void StartKeeping();

 private:
  static constexpr std::uint32_t Empty = 0xFFFFFFFF;
  struct Entry {
    std::uint64_t corners = 0;
    std::uint32_t look = 0;
    std::uint32_t last = Empty;  // the last step that drew the shape; Empty: a free slot
  };
  Entry* Find(std::uint64_t corners, std::uint32_t look);
  void Grow();

  bool keeping_ = false;
  std::uint32_t step_ = 0;
  std::size_t used_ = 0;
  std::vector<Entry> table_;
  std::vector<bool> lastSteps_;  // while keeping: whether each step is the last of its shape
};

// Records drawing steps into a picture, keeping the current pen and position as a canvas does.
class Canvas {
 public:
  explicit Canvas(Picture& picture) : picture_(picture) {}

  void SetPenColour(std::uint32_t colour) { pen_.colour = colour; }
  void SetPenWidth(int width) { pen_.width = width; }
  void SetPenStyle(PenStyle style) { pen_.style = style; }
  const Pen& CurrentPen() const { return pen_; }
  // The colour the next rectangles and ellipses are filled with; none: white.
  void SetFill(std::optional<std::uint32_t> colour) { fill_ = colour; }

  void MoveTo(int x, int y);
  // A line from the current position to (x, y), which becomes the current position.
  void LineTo(int x, int y);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Ellipse(int x1, int y1, int x2, int y2);
  void TextOut(int x, int y, const std::string& text);
  // Shapes pass through the filter before they are recorded; none: all are.
  void SetRepeatFilter(RepeatFilter* filter) { filter_ = filter; }

 private:
  void Record(PictureItem item);

  Picture& picture_;
  RepeatFilter* filter_ = nullptr;
  Pen pen_;
  std::optional<std::uint32_t> fill_;
  int x_ = 0;
  int y_ = 0;
};

// The picture as plain text, one item per line in drawing order:
//   picture W H
//   line X1 Y1 X2 Y2 #rrggbb WIDTH STYLE      (STYLE: solid, dot or dash)
//   rect X1 Y1 X2 Y2 #rrggbb WIDTH STYLE
//   ellipse X1 Y1 X2 Y2 #rrggbb WIDTH STYLE
//   text X Y TEXT
// A filled rectangle or ellipse ends its line with " fill #rrggbb".
std::string PictureListing(const Picture& picture);

// Whether the picture has an area to show: a window that has not drawn yet keeps one of 0 x 0.
inline bool PictureHasArea(const Picture& picture) {
  return picture.width > 0 && picture.height > 0;
}

// Where a printed picture goes, in printer pixels from the top-left of the printable area.
struct PrintArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PrintArea&) const = default;
};

// The picture stretched to the page width, keeping its proportions; the far corner is truncated
// toward zero. A picture without width gets an empty area.
PrintArea PrintRectangle(int pictureWidth, int pictureHeight, double pageWidth);

// The image files a picture is written to.
enum class PictureFileFormat { Svg, Pdf, Png };

// The format named by the file's extension (.svg, .pdf or .png, in any case); nothing for any
// other name.
std::optional<PictureFileFormat> PictureFormatByExtension(const std::string& path);

}  // namespace vrel
