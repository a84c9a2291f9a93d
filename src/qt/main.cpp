// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/application.h"

int main(int argc, char** argv) {
  vrel::VrelApplication app(argc, argv);
  vrel::Forms forms;
  return app.exec();
}
