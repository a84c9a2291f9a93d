// SPDX-License-Identifier: GPL-3.0-or-later
// The floors for the program's start-up: a Qt Widgets main window with a title and nothing
// else ("Minimal"), or, given the argument "yardstick", one that also shows a menu, a drop-down
// list and a label ("Yardstick"): the first text measured loads the font configuration, which
// every real window pays for.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  const bool yardstick = argc > 1 && std::strcmp(argv[1], "yardstick") == 0;
  window.setWindowTitle(yardstick ? "Yardstick" : "Minimal");
  if (yardstick) {
    window.menuBar()->addMenu("&File")->addAction("Quit");
    QToolBar* bar = window.addToolBar("Bar");
    auto* list = new QComboBox;
    list->addItems({"1", "2", "3"});
    bar->addWidget(list);
    bar->addWidget(new QLabel("Label"));
  }
  window.resize(600, 80);
  window.show();
  return app.exec();
}
