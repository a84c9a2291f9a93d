// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture_files.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "qt/picture_painter.h"
#include "shell/file_dialogs.h"
#include "shell/messages.h"

namespace vrel {

namespace {

// The picture's text in pixels of the picture, as a screen at 96 dots per inch shows it, so that
// it keeps its place and size whatever resolution the file or the printer has.
void UsePictureFont(QPainter& painter) {
  QFont font = painter.font();
  if (font.pixelSize() <= 0)
    font.setPixelSize(std::max(1, qRound(font.pointSizeF() * 96.0 / 72.0)));
  painter.setFont(font);
}

// Replays the picture on a vector device that draws into the file, and completes the file only
// when all went well.
bool ReplayInto(const Picture& picture, QPaintDevice& device, QSaveFile& file) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  UsePictureFont(painter);
  ReplayPicture(picture, painter);
  return painter.end() && file.commit();
}

bool WriteSvg(const Picture& picture, QSaveFile& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(QSize(picture.width, picture.height));
  svg.setViewBox(QRect(0, 0, picture.width, picture.height));
  svg.setResolution(96);
  return ReplayInto(picture, svg, file);
}

bool WritePdf(const Picture& picture, QSaveFile& file) {
  QPdfWriter pdf(&file);
  pdf.setCreator(QStringLiteral("Vrel"));
  // One point per pixel of the picture: the page is the picture.
  pdf.setResolution(72);
  const QPageLayout page(
      QPageSize(QSize(picture.width, picture.height), QString(), QPageSize::ExactMatch),
      QPageLayout::Portrait, QMarginsF());
  if (!pdf.setPageLayout(page)) return false;
  return ReplayInto(picture, pdf, file);
}

bool WritePng(const Picture& picture, QSaveFile& file, int scale) {
  const QImage image = PictureImage(picture, scale);
  return !image.isNull() && image.save(&file, "PNG") && file.commit();
}

}  // namespace

bool WritePictureFile(const Picture& picture, const std::string& path, PictureFileFormat format,
                      int pngScale) {
  QSaveFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::WriteOnly)) return false;
  switch (format) {
    case PictureFileFormat::Svg:
      return WriteSvg(picture, file);
    case PictureFileFormat::Pdf:
      return WritePdf(picture, file);
    case PictureFileFormat::Png:
      return WritePng(picture, file, pngScale);
  }
  return false;
}

bool ExportPictureFile(const Picture& picture, const std::string& path, Frontend& fe,
                       int pngScale) {
  if (!PictureHasArea(picture)) {
    ShowProgramMessage(fe, Message::NothingToExport);
    return false;
  }
  // A name without an extension holds SVG; one naming another format is not written under it.
  const std::string extension = LowerExtension(path);
  const std::optional<PictureFileFormat> format = PictureFormatByExtension(path);
  if (!format && !extension.empty()) {
    ShowProgramMessageText(fe, Message::UnknownPictureFormat,
                           MessageText(Message::UnknownPictureFormat, extension.c_str()));
    return false;
  }
  if (WritePictureFile(picture, path, format.value_or(PictureFileFormat::Svg), pngScale))
    return true;
  ShowProgramMessage(fe, Message::CannotWriteFile, path);
  return false;
}

void DrawPictureOnPage(const Picture& picture, QPainter& painter, double pageWidth) {
  const PrintArea area = PrintRectangle(picture.width, picture.height, pageWidth);
  if (picture.width <= 0 || picture.height <= 0 || area.right <= 0 || area.bottom <= 0) return;
  painter.save();
  painter.translate(area.left, area.top);
  painter.scale(static_cast<double>(area.right - area.left) / picture.width,
                static_cast<double>(area.bottom - area.top) / picture.height);
  UsePictureFont(painter);
  ReplayPicture(picture, painter);
  painter.restore();
}

}  // namespace vrel
