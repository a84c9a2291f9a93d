// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStringList>
#include <iostream>

#include "qt/application.h"
#include "shell/capacity.h"

int main(int argc, char** argv) {
  vrel::VrelApplication app(argc, argv);
  // --capacity NxM: a session that holds N specimens of M coordinates.
  vrel::Capacity capacity;
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] != "--capacity") continue;
    const std::string value = i + 1 < arguments.size() ? arguments[i + 1].toStdString() : "";
    const auto parsed = vrel::ParseCapacity(value);
    if (!parsed) {
      std::cerr << "vrel: --capacity takes NxM, N specimens from 1 to "
                << vrel::LargestSpecimenCapacity << " and M coordinates from 1 to "
                << vrel::LargestCoordinateCapacity << ", not '" << value << "'\n";
      return 2;
    }
    capacity = *parsed;
    ++i;
  }
  vrel::Forms forms(-1, capacity);
  return app.exec();
}
