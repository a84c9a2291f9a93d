#include "qt/qt_support.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

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

void BringToFront(QWidget* form) {
  if (form == nullptr) return;
  form->show();
  form->raise();
  form->activateWindow();
}

}  // namespace vrel
