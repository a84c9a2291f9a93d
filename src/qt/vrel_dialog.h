// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vrel {

// The number prompt: asks the user for one integer.
class TVrelDialog : public QDialog {
  Q_OBJECT

 public:
  TVrelDialog();

  // Shows the question modally; returns the answer, 0 after Cancel, Escape, the close button
  // or an entry that is not an integer.
  int Ask(const QString& question);
  int Answer() const { return answer_; }

  void OKBtnClick();
  void CancelBtnClick();

  QFrame* Bevel1;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 public slots:
  // Escape and the title-bar close button end here too, so they count as Cancel.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Sizes the dialog to show the whole question.
  void FitQuestion();

  int answer_ = 0;
};

}  // namespace vrel
