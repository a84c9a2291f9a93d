// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/log_window.h"

#include <QFontDatabase>
#include <QVBoxLayout>

#include "app/command_table.h"
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

  MemoVrel->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(MemoVrel, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu* menu = ContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(MemoVrel->viewport()->mapToGlobal(at));
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(MemoVrel);

  PlaceForm(this, 62, 146, 586, 410);
}

void TLogWindow::SetSaveScript(std::function<void()> save, std::function<bool()> enabled) {
  saveScript_ = std::move(save);
  canSaveScript_ = std::move(enabled);
}

QMenu* TLogWindow::ContextMenu() {
  QMenu* menu = MemoVrel->createStandardContextMenu();
  menu->setObjectName("LogPopupMenu");
  menu->addSeparator();
  QAction* save = menu->addAction(QString(Command(CommandId::SaveScript).caption).remove('&'));
  save->setObjectName("SaveScript");
  save->setEnabled(saveScript_ && canSaveScript_ && canSaveScript_());
  connect(save, &QAction::triggered, this, [this] {
    if (saveScript_) saveScript_();
  });
  return menu;
}

void TLogWindow::AddLine(const QString& line) { MemoVrel->appendPlainText(line); }

void TLogWindow::Clear() { MemoVrel->clear(); }

QStringList TLogWindow::Lines() const {
  if (MemoVrel->document()->isEmpty()) return {};
  return MemoVrel->toPlainText().split('\n');
}

}  // namespace vrel
