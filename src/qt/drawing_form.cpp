#include "qt/drawing_form.h"

#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "app/windows.h"
#include "qt/picture_painter.h"
#include "qt/qt_support.h"

namespace vrel {

DrawingForm::DrawingForm(vrel::Window window) : QWidget(nullptr, Qt::Window), window_(window) {
  const DrawingWindowInfo& info = DrawingWindowDetails(window);
  setObjectName(info.name);
  setWindowTitle(info.caption);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  PaintBox1 = new PaintBox(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PaintBox1);

  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(info.popupName);
  PopupMenu->setToolTipsVisible(true);
  for (const PopupItem& item : info.popup) {
    if (QString(item.caption) == "-") {
      PopupMenu->addSeparator()->setObjectName(item.name);
      continue;
    }
    QAction* action = PopupMenu->addAction(item.caption);
    action->setObjectName(item.name);
    // The picture commands are not built yet: they say so.
    action->setEnabled(false);
    action->setStatusTip(NotAvailableTip);
    action->setToolTip(NotAvailableTip);
  }
  BuildPopupMenu(info.popupOnPaintBox);
  // Every paint records the drawing anew, then shows the picture it keeps.
  PaintBox1->SetPainter([this](QPainter& painter, const QSize& size) {
    if (recorder_)
      if (std::optional<Picture> drawn = recorder_(size.width(), size.height()))
        picture_ = std::move(*drawn);
    ReplayPicture(picture_, painter);
  });
  setFocusPolicy(Qt::StrongFocus);

  // The drawings are made for the client size, so that is what the window gets.
  PlaceForm(this, info.left, info.top, info.clientWidth, info.clientHeight);
}

void DrawingForm::Attach(Recorder recorder, KeyAction keys) {
  recorder_ = std::move(recorder);
  keys_ = std::move(keys);
  PaintBox1->update();
}

void DrawingForm::keyPressEvent(QKeyEvent* event) {
  const int key = ArrowKey(event->key());
  if (key != 0 && keys_) {
    keys_(key);
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

TDrawWindow::TDrawWindow() : DrawingForm(Window::Specimens) {}

TPcsDraw::TPcsDraw() : DrawingForm(Window::Vectors) {}

TPlotDraw::TPlotDraw() : DrawingForm(Window::Plot) {}

}  // namespace vrel
