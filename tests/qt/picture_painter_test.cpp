// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture_painter.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

namespace vrel::test {
namespace {

// Replays a few items and looks for their pixels where the recorded coordinates put them.
TEST(PicturePainter, PixelsLandWhereTheListingSays) {
  Picture picture;
  picture.width = 100;
  picture.height = 60;
  Canvas canvas(picture);
  canvas.SetPenColour(Red);
  canvas.MoveTo(10, 10);
  canvas.LineTo(90, 10);  // solid red
  canvas.TextOut(70, 40, "1");
  canvas.MoveTo(10, 20);
  canvas.LineTo(90, 20);  // red again after the text's own black
  canvas.SetPenColour(Black);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.MoveTo(10, 30);
  canvas.LineTo(90, 30);  // dotted black
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.MoveTo(40, 40);
  canvas.LineTo(40, 55);  // under the square's white fill where they meet
  canvas.Rectangle(37, 43, 44, 50);
  canvas.SetPenColour(Red);
  canvas.SetFill(Red);
  canvas.Ellipse(28, 56, 18, 46);  // filled red
  canvas.SetFill(std::nullopt);
  canvas.Rectangle(92, 58, 82, 48);  // white inside again
  const QImage image = PictureImage(picture);
  ASSERT_EQ(image.size(), QSize(100, 60));
  auto colour = [&image](int x, int y) { return image.pixelColor(x, y); };
  for (int x = 10; x <= 89; ++x) EXPECT_EQ(colour(x, 10), QColor(Qt::red)) << x;
  EXPECT_EQ(colour(50, 11), QColor(Qt::white));
  EXPECT_EQ(colour(50, 20), QColor(Qt::red));
  int inked = 0, gaps = 0;
  for (int x = 10; x < 90; ++x) (colour(x, 30) == QColor(Qt::black) ? inked : gaps)++;
  EXPECT_GT(inked, 20);
  EXPECT_GT(gaps, 20);  // a dotted pen leaves gaps
  // The square: outline from (37, 43) to (43, 49), the right and bottom edge left out; inside
  // white, covering the line drawn before it.
  EXPECT_EQ(colour(37, 46), QColor(Qt::black));
  EXPECT_EQ(colour(43, 46), QColor(Qt::black));
  EXPECT_EQ(colour(40, 49), QColor(Qt::black));
  EXPECT_EQ(colour(40, 46), QColor(Qt::white));
  EXPECT_EQ(colour(44, 46), QColor(Qt::white));
  EXPECT_EQ(colour(40, 52), QColor(Qt::black));
  // A filled circle takes its fill colour; the box after it is white inside, red outlined.
  EXPECT_EQ(colour(23, 51), QColor(Qt::red));
  EXPECT_EQ(colour(87, 53), QColor(Qt::white));
  EXPECT_EQ(colour(82, 53), QColor(Qt::red));
}

}  // namespace
}  // namespace vrel::test
