// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the program's start-up: a Qt Widgets main window with a title and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Minimal");
  window.resize(600, 80);
  window.show();
  return app.exec();
}
