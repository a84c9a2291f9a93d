// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/log_window.h"

#include <QFontDatabase>
#include <QVBoxLayout>

#include "qt/qt_support.h"

namespace vrel {

TLogWindow::TLogWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("LogWindow");
  setWindowTitle("Log Window");

  MemoVrel = new QPlainTextEdit(this);
  MemoVrel->setObjectName("MemoVrel");
  MemoVrel->setReadOnly(true);
  MemoVrel->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoVrel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoVrel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Result lines are aligned with blanks, so a fixed-pitch font keeps their columns.
  MemoVrel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QPalette face = MemoVrel->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  MemoVrel->setPalette(face);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(MemoVrel);

  PlaceForm(this, 62, 146, 586, 410);
}

void TLogWindow::AddLine(const QString& line) { MemoVrel->appendPlainText(line); }

void TLogWindow::Clear() { MemoVrel->clear(); }

QStringList TLogWindow::Lines() const {
  if (MemoVrel->document()->isEmpty()) return {};
  return MemoVrel->toPlainText().split('\n');
}

}  // namespace vrel
