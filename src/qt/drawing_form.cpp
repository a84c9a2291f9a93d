// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/drawing_form.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/session_script.h"
#include "app/windows.h"
#include "graphics/drawings.h"
#include "graphics/view_commands.h"
#include "qt/picture_files.h"
#include "qt/picture_painter.h"
#include "qt/qt_support.h"
#include "shell/messages.h"

namespace vrel {

DrawingForm::DrawingForm(vrel::Window window, HandlerRunner& runner)
    : QWidget(nullptr, Qt::Window), info_(DrawingWindowDetails(window)), runner_(runner) {
  setObjectName(info_.name);
  setWindowTitle(info_.caption);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  PaintBox1 = new PaintBox(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PaintBox1);

  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(info_.popupName);
  PopupMenu->setToolTipsVisible(true);
  for (const PopupItem& item : info_.popup) {
    if (QString(item.caption) == "-") {
      PopupMenu->addSeparator()->setObjectName(item.name);
      continue;
    }
    QAction* action = PopupMenu->addAction(item.caption);
    action->setObjectName(item.name);
    const QString name = item.name;
    if (name == "Copy1")
      connect(action, &QAction::triggered, this, &DrawingForm::Copy1Click);
    else if (name == "SauveMetafile")
      connect(action, &QAction::triggered, this, &DrawingForm::SauveMetafileClick);
    else if (name == "Print1")
      connect(action, &QAction::triggered, this, &DrawingForm::Print1Click);
  }
  BuildPopupMenu(info_.popupOnPaintBox);
  // Every paint records the drawing anew, then shows the picture it keeps; a crowd of specimens
  // is kept as an image too, shown again until a command runs or the size changes.
  PaintBox1->SetPainter([this](QPainter& painter, const QSize& size) {
    if (imageKept_ && image_.size() == size) {
      painter.drawImage(0, 0, image_);
      return;
    }
    if (std::optional<Picture> drawn = info_.draw(runner_.State(), size.width(), size.height()))
      picture_ = std::move(*drawn);
    imageKept_ = CrowdedDrawing(runner_.State()) && picture_.width == size.width() &&
                 picture_.height == size.height();
    if (!imageKept_) {
      image_ = QImage();
      ReplayPicture(picture_, painter);
      return;
    }
    image_ = PictureImage(picture_);
    painter.drawImage(0, 0, image_);
  });
  setFocusPolicy(Qt::StrongFocus);
  PaintBox1->installEventFilter(this);
  PaintBox1->setMouseTracking(true);

  // The drawings are made for the client size, so that is what the window gets.
  PlaceForm(this, info_.left, info_.top, info_.clientWidth, info_.clientHeight);
}

DrawingForm::~DrawingForm() = default;

vrel::Window DrawingForm::Window() const { return info_.id; }

void DrawingForm::MarkInFront() {
  static long long frontEvents = 0;
  inFrontSince_ = ++frontEvents;
}

void DrawingForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) MarkInFront();
  QWidget::changeEvent(event);
}

void DrawingForm::ClearPicture() {
  picture_ = Picture();
  imageKept_ = false;
  PaintBox1->update();
}

namespace {

// A press and release this close together are a click, not a drag.
constexpr int ClickSlack = 3;
// One notch of a common mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

}  // namespace

bool DrawingForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != PaintBox1) return QWidget::eventFilter(watched, event);
  const QSize size = PaintBox1->size();
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::LeftButton) break;
      leftDown_ = true;
      pressedAt_ = lastDragAt_ = press->position().toPoint();
      return true;
    }
    case QEvent::MouseMove: {
      auto* move = static_cast<QMouseEvent*>(event);
      if (!leftDown_ || !(move->buttons() & Qt::LeftButton)) break;
      const QPoint at = move->position().toPoint();
      const QPoint by = at - lastDragAt_;
      lastDragAt_ = at;
      if (info_.dragHandler != nullptr && !by.isNull())
        runner_.Run(
            [&](Session& s, Frontend& fe) { PerformDrag(s, fe, info_.id, by.x(), by.y()); });
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* release = static_cast<QMouseEvent*>(event);
      if (release->button() != Qt::LeftButton || !leftDown_) break;
      leftDown_ = false;
      const QPoint at = release->position().toPoint();
      if (info_.clickHandler != nullptr && (at - pressedAt_).manhattanLength() <= ClickSlack)
        runner_.Run([&](Session& s, Frontend& fe) {
          PerformClick(s, fe, info_.id, size.width(), size.height(), at.x(), at.y());
        });
      return true;
    }
    case QEvent::Wheel: {
      if (info_.wheelHandler == nullptr) break;
      wheelEighths_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
      const int notches = wheelEighths_ / WheelNotch;
      wheelEighths_ -= notches * WheelNotch;
      if (notches != 0)
        runner_.Run([&](Session& s, Frontend& fe) { PerformWheel(s, fe, info_.id, notches); });
      return true;
    }
    case QEvent::ToolTip: {
      if (info_.tipAt == nullptr) break;
      auto* help = static_cast<QHelpEvent*>(event);
      const std::string tip =
          info_.tipAt(runner_.State(), size.width(), size.height(), help->x(), help->y());
      if (tip.empty())
        QToolTip::hideText();
      else
        QToolTip::showText(help->globalPos(), QString::fromStdString(tip), PaintBox1);
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void DrawingForm::keyPressEvent(QKeyEvent* event) {
  // The arrow keys end here, in a window that turns its view with them or not.
  if (const int key = ArrowKey(event->key()); key != 0) {
    if (info_.keyHandler != nullptr)
      runner_.Run([&](Session& s, Frontend& fe) { PerformWindowKey(s, fe, info_.id, key); });
    return;
  }
  if (event->key() == Qt::Key_F && event->modifiers() == Qt::NoModifier && info_.fits) {
    const QSize size = PaintBox1->size();
    runner_.Run([&](Session& s, Frontend& fe) {
      PerformFit(s, fe, info_.id, size.width(), size.height());
    });
    return;
  }
  QWidget::keyPressEvent(event);
}

void DrawingForm::BuildPopupMenu(bool onPaintBox) {
  // A menu on the form also opens over the paint box, which passes the right click on.
  QWidget* owner = onPaintBox ? static_cast<QWidget*>(PaintBox1) : this;
  owner->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(owner, &QWidget::customContextMenuRequested, this,
          [this, owner](const QPoint& at) { PopupMenu->popup(owner->mapToGlobal(at)); });
}

void DrawingForm::Copy1Click() {
  if (!PictureHasArea(picture_)) {
    ShowProgramMessage(runner_.Front(), Message::NothingToExport);
    return;
  }
  QGuiApplication::clipboard()->setImage(PictureImage(picture_));
  NoteNotReplayable(runner_.State(),
                    std::string("a copy of the ") + info_.exportName + " picture to the clipboard");
}

void DrawingForm::SauveMetafileClick() {
  Frontend& fe = runner_.Front();
  // The picture as it was when the command was chosen, whatever paints while the dialog is up.
  const Picture picture = picture_;
  if (!PictureHasArea(picture)) {
    ShowProgramMessage(fe, Message::NothingToExport);
    return;
  }
  if (const std::optional<std::string> path = fe.ChooseFile(FileDialog::SaveMeta)) {
    const bool written = ExportPictureFile(picture, *path, fe, SavedImageScale);
    NotePictureSaved(runner_.State(), info_.id, *path, picture.width, picture.height,
                     SavedImageScale, written);
  }
}

QPrinter& DrawingForm::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void DrawingForm::Print1Click() {
  const Picture picture = picture_;
  QPrinter& printer = Printer();
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    // Printing to a file that cannot be written is the one failure a user can mend.
    ShowProgramMessage(
        runner_.Front(), Message::CannotWriteFile,
        QFile::encodeName(printer.outputFileName().isEmpty() ? printer.printerName()
                                                             : printer.outputFileName())
            .toStdString());
    return;
  }
  DrawPictureOnPage(picture, painter, printer.pageRect(QPrinter::DevicePixel).width());
  painter.end();
  NoteNotReplayable(runner_.State(),
                    std::string("a print of the ") + info_.exportName + " picture");
}

TDrawWindow::TDrawWindow(HandlerRunner& runner) : DrawingForm(Window::Specimens, runner) {}

TPcsDraw::TPcsDraw(HandlerRunner& runner) : DrawingForm(Window::Vectors, runner) {}

TPlotDraw::TPlotDraw(HandlerRunner& runner) : DrawingForm(Window::Plot, runner) {}

}  // namespace vrel
