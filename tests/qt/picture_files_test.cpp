// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture_files.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <filesystem>
#include <set>

#include "qt/drawing_form.h"
#include "qt_test_support.h"
#include "shell/headless_frontend.h"
#include "support/image_files.h"

namespace vrel::test {
namespace {

// The page's drawing in a PDF file written by Qt: its first stream, inflated.
std::string PdfPageContent(const std::string& path) {
  const std::string pdf = ReadWhole(path);
  const std::size_t begin = pdf.find("stream\n") + 7;
  QByteArray packed(4, '\0');  // qUncompress takes the length first; 0: not known
  packed.append(pdf.data() + begin, static_cast<qsizetype>(pdf.find("endstream", begin) - begin));
  return qUncompress(packed).toStdString();
}

// Three lines, two squares, a circle and a word on 120 x 80 pixels.
Picture SmallPicture() {
  Picture picture;
  picture.width = 120;
  picture.height = 80;
  Canvas canvas(picture);
  canvas.MoveTo(0, 40);
  canvas.LineTo(119, 40);
  canvas.LineTo(60, 0);
  canvas.SetPenColour(Red);
  canvas.LineTo(60, 79);
  canvas.Rectangle(10, 10, 20, 20);
  canvas.Rectangle(90, 50, 100, 60);
  canvas.Ellipse(30, 50, 40, 60);
  canvas.TextOut(70, 10, "12");
  return picture;
}

TEST(PictureFiles, EachFormatIsWrittenAtThePictureSize) {
  const Picture picture = SmallPicture();
  const std::string dir = ScratchDir();
  ASSERT_TRUE(WritePictureFile(picture, dir + "small.svg", PictureFileFormat::Svg));
  const std::string svg = ReadWhole(dir + "small.svg");
  const SvgFacts facts = ReadSvg(svg);
  EXPECT_EQ(facts.viewBox, "0 0 120 80");
  // At 96 pixels to the inch.
  EXPECT_NEAR(facts.widthMm, 120 * 25.4 / 96, 0.01);
  EXPECT_NEAR(facts.heightMm, 80 * 25.4 / 96, 0.01);
  EXPECT_TRUE(facts.closed);
  EXPECT_EQ(CountOf(svg, "<polyline"), 3);
  EXPECT_EQ(CountOf(svg, "<rect"), 2);
  EXPECT_EQ(CountOf(svg, "<circle") + CountOf(svg, "<ellipse"), 1);
  EXPECT_EQ(CountOf(svg, "<text"), 1);

  ASSERT_TRUE(WritePictureFile(picture, dir + "small.png", PictureFileFormat::Png));
  const QImage png(QString::fromStdString(dir + "small.png"));
  ASSERT_EQ(png.size(), QSize(120, 80));
  EXPECT_EQ(png.pixelColor(5, 70), QColor(Qt::white));
  EXPECT_EQ(png.pixelColor(30, 40), QColor(Qt::black));
  EXPECT_EQ(png.pixelColor(60, 70), QColor(Qt::red));

  ASSERT_TRUE(WritePictureFile(picture, dir + "small.pdf", PictureFileFormat::Pdf));
  EXPECT_EQ(PdfPageBoxes(dir + "small.pdf"), std::vector<std::string>{"120 80"});
  // One point per pixel: the lines from (0, 40) to (119, 40) and on to (60, 0) land as many
  // points from the page's top left (PDF counts upward from the bottom).
  const auto points = PdfPathPoints(PdfPageContent(dir + "small.pdf"));
  ASSERT_GE(points.size(), 4u);
  EXPECT_EQ(points[0], (std::pair{0.0, 40.0}));
  EXPECT_EQ(points[1], (std::pair{119.0, 40.0}));
  EXPECT_EQ(points[3], (std::pair{60.0, 80.0}));
}

TEST(PictureFiles, ExportGoesByExtensionReplacesFilesAndReportsWhatItCannotDo) {
  const Picture picture = SmallPicture();
  const std::string dir = ScratchDir();
  HeadlessFrontend fe;
  // Any other name is kept as typed and holds SVG; an existing file is replaced.
  const std::string plain = WriteScratch("figure", "old");
  EXPECT_TRUE(ExportPictureFile(picture, plain, fe));
  EXPECT_EQ(ReadSvg(ReadWhole(plain)).viewBox, "0 0 120 80");
  EXPECT_TRUE(ExportPictureFile(picture, dir + "FIGURE.PNG", fe));
  EXPECT_EQ(PngSize(dir + "FIGURE.PNG"), (PixelSize{120, 80}));
  EXPECT_TRUE(fe.messages.empty());

  for (const std::string& path :
       {dir + "missing/figure.png", dir + "missing/figure.svg", dir + "missing/figure.pdf", dir}) {
    fe.messages.clear();
    EXPECT_FALSE(ExportPictureFile(picture, path, fe));
    ASSERT_EQ(fe.messages.size(), 1u) << path;
    EXPECT_EQ(fe.messages[0].text, "Cannot write file " + path);
    EXPECT_EQ(fe.messages[0].icon, Icon::Stop);
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "missing"));

  // A picture of no size: nothing is written, and the user is told why.
  fe.messages.clear();
  EXPECT_FALSE(ExportPictureFile(Picture{}, dir + "empty.png", fe));
  ASSERT_EQ(fe.messages.size(), 1u);
  EXPECT_EQ(fe.messages[0].text,
            "There is no picture to export yet: the window has not drawn anything");
  EXPECT_FALSE(std::filesystem::exists(dir + "empty.png"));
}

// The colours of a PNG's pixels in a band of five rows (as the picture counts them) around the
// slanted line from (119, 40)
// to (60, 0) of the small picture, drawn scale times larger, clear of its other items.
std::set<QRgb> ColoursAlongTheSlant(const std::string& path, int scale) {
  const QImage image(QString::fromStdString(path));
  std::set<QRgb> colours;
  for (int x = 88 * scale; x < 112 * scale; ++x) {
    const int y = ((x - 60 * scale) * 40) / 59;
    for (int dy = -2 * scale; dy <= 2 * scale; ++dy)
      colours.insert(image.pixel(x, y + dy) & 0xffffffu);
  }
  return colours;
}

// A PNG drawn at a scale: that many times the picture's size, antialiased; at scale 1 the
// pixels stay black and white as the screen draws them.
TEST(PictureFiles, AScaledPngIsLargerAndAntialiased) {
  const Picture picture = SmallPicture();
  const std::string dir = ScratchDir();
  struct Row {
    int scale;
    PixelSize size;
    bool smooth;
  };
  for (const Row& row :
       {Row{1, {120, 80}, false}, Row{3, {360, 240}, true}, Row{8, {960, 640}, true}}) {
    const std::string path = dir + "scaled" + std::to_string(row.scale) + ".png";
    HeadlessFrontend fe;
    ASSERT_TRUE(ExportPictureFile(picture, path, fe, row.scale));
    EXPECT_EQ(PngSize(path), row.size) << row.scale;
    const std::set<QRgb> colours = ColoursAlongTheSlant(path, row.scale);
    EXPECT_EQ(colours.size() > 2, row.smooth) << row.scale << ": " << colours.size();
  }
  // The scale is for PNG only: an SVG keeps the picture's own size.
  HeadlessFrontend fe;
  ASSERT_TRUE(ExportPictureFile(picture, dir + "scaled.svg", fe, 3));
  EXPECT_EQ(ReadSvg(ReadWhole(dir + "scaled.svg")).viewBox, "0 0 120 80");
}

// The printed page: a page of 800 pixels gets the picture at twice its size, from the top left.
TEST(PictureFiles, PrintedPictureSpansThePageWidth) {
  Picture picture;
  picture.width = 400;
  picture.height = 300;
  Canvas canvas(picture);
  canvas.MoveTo(0, 150);
  canvas.LineTo(400, 150);
  canvas.MoveTo(399, 0);
  canvas.LineTo(399, 300);
  QImage page(800, 1000, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    DrawPictureOnPage(picture, painter, page.width());
    // A picture of no width draws nothing.
    picture.width = 0;
    DrawPictureOnPage(picture, painter, page.width());
  }
  // Lines twice as long and twice as thick: the picture's (0, 150)-(400, 150) runs along row 300.
  auto inked = [&page](int x1, int y1, int x2, int y2) {
    for (int x = x1; x <= x2; ++x)
      for (int y = y1; y <= y2; ++y)
        if (page.pixelColor(x, y) != QColor(Qt::white)) return true;
    return false;
  };
  EXPECT_TRUE(inked(10, 299, 10, 301));
  EXPECT_TRUE(inked(780, 299, 790, 301));
  EXPECT_FALSE(inked(10, 0, 790, 296));
  EXPECT_TRUE(inked(796, 500, 799, 500));  // the picture's right edge at the page's
  EXPECT_FALSE(inked(0, 603, 799, 999));   // the page below the picture
}

using PictureCommands = FormsTest;

// What the right-click menu does, as a user reaches it.
TEST_F(PictureCommands, CopyAndSaveActOnTheLastPicture) {
  DrawingForm& specimens = *forms->DrawWindow;
  specimens.PaintBox1->grab();
  const Picture& picture = specimens.LastPicture();
  ASSERT_EQ(picture.width, 568);
  auto trigger = [](DrawingForm& form, const char* name) {
    QAction* action = form.PopupMenu->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
  };

  QGuiApplication::clipboard()->clear();
  trigger(specimens, "Copy1");
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(568, 375));
  EXPECT_EQ(copied.pixelColor(0, 0), QColor(Qt::white));

  const std::string saved = ScratchDir() + "specimens.png";
  ChooseInDialog(QString::fromStdString(saved));
  trigger(specimens, "SauveMetafile");
  // At print resolution: three times the window's size.
  EXPECT_EQ(PngSize(saved), (PixelSize{3 * 568, 3 * 375}));

  // A file that cannot be written, and the plot before its first drawing: a message each.
  struct Case {
    DrawingForm* form;
    const char* command;
    std::string path;  // empty: no file dialog comes up
    QString text;
    QMessageBox::Icon icon;
  };
  const std::string unwritable = ScratchDir() + "missing/specimens.svg";
  const Case cases[] = {
      {&specimens, "SauveMetafile", unwritable,
       QString::fromStdString("Cannot write file " + unwritable), QMessageBox::Critical},
      {forms->PlotDraw.get(), "SauveMetafile", "",
       "There is no picture to export yet: the window has not drawn anything",
       QMessageBox::Warning},
      {forms->PlotDraw.get(), "Copy1", "",
       "There is no picture to export yet: the window has not drawn anything",
       QMessageBox::Warning},
  };
  for (const Case& c : cases) {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto answerMessage = [&text, &icon](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    };
    if (c.path.empty()) {
      WhenModal(answerMessage);
    } else {
      WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        WhenModal(answerMessage);
        dialog->selectFile(QString::fromStdString(c.path));
        static_cast<QDialog*>(dialog)->accept();
      });
    }
    trigger(*c.form, c.command);
    EXPECT_EQ(text, c.text) << c.command;
    EXPECT_EQ(icon, c.icon) << c.command;
  }
  EXPECT_FALSE(std::filesystem::exists(unwritable));
}

}  // namespace
}  // namespace vrel::test
