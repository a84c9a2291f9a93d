#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "graphics/picture.h"
#include "qt/paint_box.h"
#include "shell/frontend.h"

class QMenu;
class QPrinter;

namespace vrel {

// A white top-level window whose paint box fills the client area, with its right-click menu:
// the common frame of the specimens, vectors and plot windows, built from the drawing windows'
// table.
class DrawingForm : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingForm(vrel::Window window);
  ~DrawingForm() override;

  // What a paint records for a drawing area of the given size (nothing: keep the last picture),
  // and what the arrow keys do.
  using Recorder = std::function<std::optional<Picture>(int width, int height)>;
  using KeyAction = std::function<void(int key)>;
  void Attach(Recorder recorder, KeyAction keys);

  vrel::Window Window() const { return window_; }

  // The picture of the last paint, which the picture commands use.
  const Picture& LastPicture() const { return picture_; }

  // Where the picture commands ask for a file name and report what went wrong.
  void SetFrontend(Frontend* frontend) { frontend_ = frontend; }

  // The picture commands of the right-click menu: they act on the last picture and never paint.
  // Copy puts it on the clipboard as an image of its size.
  void Copy1Click();
  // Save to metafile writes it to the file chosen in the main window's picture dialog.
  void SauveMetafileClick();
  // Print prints it on one page, as wide as the page.
  void Print1Click();
  // The window's printer, which keeps the settings of the print dialog between two prints.
  QPrinter& Printer();

  PaintBox* PaintBox1;
  // The right-click menu of the picture commands.
  QMenu* PopupMenu;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildPopupMenu(bool onPaintBox);

  vrel::Window window_;
  Recorder recorder_;
  KeyAction keys_;
  Picture picture_;
  Frontend* frontend_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

// The specimens window.
class TDrawWindow : public DrawingForm {
  Q_OBJECT

 public:
  TDrawWindow();
};

// The vectors window.
class TPcsDraw : public DrawingForm {
  Q_OBJECT

 public:
  TPcsDraw();
};

// The plot window.
class TPlotDraw : public DrawingForm {
  Q_OBJECT

 public:
  TPlotDraw();
};

}  // namespace vrel
