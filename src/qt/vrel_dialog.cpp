#include "qt/vrel_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "shell/prompt.h"

namespace vrel {

TVrelDialog::TVrelDialog() {
  setObjectName("VrelDialog");
  setWindowTitle("Vrel");
  setFixedSize(361, 104);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 345, 57);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont labelFont = Label1->font();
  labelFont.setPixelSize(13);
  Label1->setFont(labelFont);
  Label1->setGeometry(16, 16, 329, 20);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(144, 40, 49, 21);

  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(102, 72, 75, 25);
  OKBtn->setDefault(true);
  OKBtn->setAutoDefault(true);

  CancelBtn = new QPushButton("Annuler", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(184, 72, 75, 25);
  CancelBtn->setAutoDefault(false);

  setTabOrder(Edit1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);

  connect(OKBtn, &QPushButton::clicked, this, &TVrelDialog::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TVrelDialog::CancelBtnClick);
}

int TVrelDialog::Ask(const QString& question) {
  Label1->setText(question);
  // Whatever ends the dialog other than OK answers 0: never a stale earlier answer.
  answer_ = 0;
  exec();
  return answer_;
}

void TVrelDialog::OKBtnClick() {
  int value = 0;
  answer_ = ParseInteger(Edit1->text().toStdString(), value) ? value : 0;
  Edit1->clear();
  accept();
}

void TVrelDialog::CancelBtnClick() { reject(); }

void TVrelDialog::reject() {
  answer_ = 0;
  QDialog::reject();
}

void TVrelDialog::showEvent(QShowEvent* event) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  Edit1->setFocus();
  QDialog::showEvent(event);
}

}  // namespace vrel
