// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>
#include <QWidget>

#include "graphics/view_commands.h"

static void InitVrelQrc() { Q_INIT_RESOURCE(vrel); }

namespace vrel {

void InitResources() {
  static bool done = false;
  if (done) return;
  done = true;
  InitVrelQrc();
}

QPixmap SvgPixmap(const QString& resource, int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  return pixmap;
}

QIcon SvgIcon(const QString& resource, int size) {
  QIcon icon;
  icon.addPixmap(SvgPixmap(resource, size, size));
  icon.addPixmap(SvgPixmap(resource, 2 * size, 2 * size));
  return icon;
}

void PlaceForm(QWidget* form, int left, int top, int width, int height) {
  form->move(left, top);
  form->resize(width, height);
}

int ArrowKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return KeyLeft;
    case Qt::Key_Up:
      return KeyUp;
    case Qt::Key_Right:
      return KeyRight;
    case Qt::Key_Down:
      return KeyDown;
    default:
      return 0;
  }
}

void BringToFront(QWidget* form) {
  if (form == nullptr) return;
  form->show();
  form->raise();
  form->activateWindow();
}

void FitDropDown(QComboBox* combo) {
  QAbstractItemView* view = combo->view();
  view->setTextElideMode(Qt::ElideNone);
  const int scrollBar = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
  view->setMinimumWidth(view->sizeHintForColumn(0) + scrollBar + 2 * view->frameWidth());
}

}  // namespace vrel
