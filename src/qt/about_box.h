// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vrel {

// The program's name, version, licence and picture.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox();

  // Ends a modal showing and hides the box, also when it was shown at start-up.
  void Button1Click();

  QFrame* Panel1;
  QLabel* AboutImage;
  QLabel* Label1;
  QLabel* Label4;
  QLabel* LicenceLabel;
  QPushButton* Button1;
};

}  // namespace vrel
