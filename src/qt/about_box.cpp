// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "qt/qt_support.h"
#include "shell/version.h"

namespace vrel {

TAboutBox::TAboutBox() {
  setObjectName("AboutBox");
  setWindowTitle("Vrel");
  setFixedSize(307, 242);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(2);
  Panel1->setGeometry(8, 8, 291, 186);

  AboutImage = new QLabel(Panel1);
  AboutImage->setObjectName("AboutImage");
  AboutImage->setGeometry(17, 16, 128, 128);
  AboutImage->setPixmap(SvgPixmap(":/icons/vrel.svg", 128, 128));

  Label1 = new QLabel("VREL", Panel1);
  Label1->setObjectName("Label1");
  QFont big = Label1->font();
  big.setPixelSize(32);
  big.setBold(true);
  Label1->setFont(big);
  Label1->setGeometry(160, 36, 120, 44);

  Label4 = new QLabel(QString("Version ") + ProgramVersion, Panel1);
  Label4->setObjectName("Label4");
  QFont medium = Label4->font();
  medium.setPixelSize(19);
  Label4->setFont(medium);
  Label4->setGeometry(160, 96, 125, 28);

  // Across the panel under the picture and the version; wrapped should a font need more room.
  LicenceLabel = new QLabel("Licensed under the GNU GPL, version 3 or later", Panel1);
  LicenceLabel->setObjectName("LicenceLabel");
  QFont small = LicenceLabel->font();
  small.setPixelSize(11);
  LicenceLabel->setFont(small);
  LicenceLabel->setWordWrap(true);
  LicenceLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  LicenceLabel->setGeometry(8, 152, 275, 30);

  Button1 = new QPushButton("OK", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(116, 206, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TAboutBox::Button1Click);
}

void TAboutBox::Button1Click() { accept(); }

}  // namespace vrel
