// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/vrel_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "shell/prompt.h"

namespace vrel {

namespace {

// The layout for a question that fits: the dialog's client size and its controls' places.
constexpr QSize DialogSize(361, 104);
constexpr QRect BevelPlace(8, 8, 345, 57);
constexpr QRect LabelPlace(16, 16, 329, 20);
constexpr QRect EditPlace(144, 40, 49, 21);
constexpr QRect OkPlace(102, 72, 75, 25);
constexpr QRect CancelPlace(184, 72, 75, 25);

}  // namespace

TVrelDialog::TVrelDialog() {
  setObjectName("VrelDialog");
  setWindowTitle("Vrel");

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont labelFont = Label1->font();
  labelFont.setPixelSize(13);
  Label1->setFont(labelFont);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");

  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  OKBtn->setAutoDefault(true);

  CancelBtn = new QPushButton("Annuler", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setAutoDefault(false);

  setTabOrder(Edit1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);

  connect(OKBtn, &QPushButton::clicked, this, &TVrelDialog::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TVrelDialog::CancelBtnClick);
  FitQuestion();
}

void TVrelDialog::FitQuestion() {
  // A question longer than the label widens the dialog, its frame and its label; the edit box
  // and the buttons move by half as much, so they stay where they were against the centre.
  const int needed = Label1->text().isEmpty() ? 0 : Label1->sizeHint().width();
  const int extra = std::max(0, needed - LabelPlace.width());
  const int half = extra / 2;
  setFixedSize(DialogSize.width() + extra, DialogSize.height());
  Bevel1->setGeometry(BevelPlace.adjusted(0, 0, extra, 0));
  Label1->setGeometry(LabelPlace.adjusted(0, 0, extra, 0));
  Edit1->setGeometry(EditPlace.translated(half, 0));
  OKBtn->setGeometry(OkPlace.translated(half, 0));
  CancelBtn->setGeometry(CancelPlace.translated(half, 0));
}

int TVrelDialog::Ask(const QString& question) {
  Label1->setText(question);
  FitQuestion();
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
