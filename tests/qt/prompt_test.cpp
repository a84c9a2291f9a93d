// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/prompt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/qt_frontend.h"
#include "qt/vrel_dialog.h"
#include "qt_test_support.h"
#include "shell/enabling.h"

namespace vrel::test {
namespace {

class Prompt : public ::testing::Test {
 protected:
  // Asks a question and answers it as the given user action; returns the prompt's answer.
  int Answer(const QString& typed, std::function<void(TVrelDialog&)> finish) {
    WhenModal([this, typed, finish](QWidget* modal) {
      EXPECT_EQ(modal, &dialog);
      EXPECT_EQ(dialog.Label1->text(), "How many Pcs?");
      // The edit box takes the keys once the window system has activated the dialog.
      EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
      TypeText(dialog.Edit1, typed);
      finish(dialog);
    });
    return dialog.Ask("How many Pcs?");
  }

  static void Enter(TVrelDialog& d) { PressKey(d.Edit1, Qt::Key_Return, "\r"); }
  static void Cancel(TVrelDialog& d) { d.CancelBtn->click(); }

  TVrelDialog dialog;
};

TEST_F(Prompt, EnterTakesTheNumberAndEmptiesTheBox) {
  EXPECT_EQ(Answer("5", Enter), 5);
  EXPECT_EQ(dialog.Edit1->text(), "");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Answer("-3", [](TVrelDialog& d) { d.OKBtn->click(); }), -3);
}

TEST_F(Prompt, TextThatIsNotAnIntegerAnswersZero) {
  EXPECT_EQ(Answer("abc", Enter), 0);
  EXPECT_EQ(dialog.Edit1->text(), "");
  EXPECT_EQ(Answer("2.5", Enter), 0);
  EXPECT_EQ(Answer("", Enter), 0);
}

TEST_F(Prompt, CancelAnswersZeroAndKeepsTheText) {
  EXPECT_EQ(Answer("12", Cancel), 0);
  EXPECT_EQ(dialog.Edit1->text(), "12");
  // The kept text is still there for the next prompt, which can take it as it stands.
  EXPECT_EQ(Answer("", Enter), 12);
  EXPECT_EQ(Answer("9", [](TVrelDialog& d) { PressKey(d.Edit1, Qt::Key_Escape); }), 0);
  EXPECT_EQ(dialog.Edit1->text(), "9");
}

TEST_F(Prompt, CloseButtonCountsAsCancelNotAsTheEarlierAnswer) {
  ASSERT_EQ(Answer("7", Enter), 7);
  EXPECT_EQ(Answer("8", [](TVrelDialog& d) { d.close(); }), 0);
  EXPECT_EQ(dialog.Answer(), 0);
  EXPECT_EQ(dialog.Edit1->text(), "8");
}

TEST_F(Prompt, LayoutOfTheDialog) {
  EXPECT_EQ(dialog.size(), QSize(361, 104));
  EXPECT_EQ(dialog.Edit1->geometry(), QRect(144, 40, 49, 21));
  EXPECT_EQ(dialog.Bevel1->geometry(), QRect(8, 8, 345, 57));
  EXPECT_EQ(dialog.Label1->font().pixelSize(), 13);
  EXPECT_TRUE(dialog.OKBtn->isDefault());
  EXPECT_EQ(dialog.CancelBtn->text(), "Annuler");
}

TEST_F(Prompt, GrowsToShowALongQuestionWholeAndShrinksBack) {
  for (const QString question : {"Rank of the projection? regression: 98; discrimination: 99",
                                 "Rank of the PCS? regression: 98; discrimination: 99"}) {
    SCOPED_TRACE(question.toStdString());
    WhenModal([&](QWidget*) {
      const int grown = dialog.width() - 361;
      EXPECT_GT(grown, 0);
      EXPECT_EQ(dialog.height(), 104);
      EXPECT_GE(dialog.Label1->width(), dialog.Label1->sizeHint().width());
      EXPECT_GE(dialog.Label1->width(), dialog.Label1->fontMetrics().horizontalAdvance(question));
      EXPECT_EQ(dialog.Bevel1->geometry(), QRect(8, 8, 345 + grown, 57));
      EXPECT_LE(dialog.Label1->geometry().right(), dialog.Bevel1->geometry().right());
      // The edit box and the buttons keep their places against the centre.
      EXPECT_NEAR(dialog.Edit1->geometry().center().x() - dialog.width() / 2, 168 - 180, 1);
      EXPECT_NEAR(dialog.OKBtn->geometry().center().x() - dialog.width() / 2, 139 - 180, 1);
      EXPECT_NEAR(dialog.CancelBtn->geometry().center().x() - dialog.width() / 2, 221 - 180, 1);
      dialog.CancelBtn->click();
    });
    dialog.Ask(question);
  }
  WhenModal([](QWidget* modal) { static_cast<TVrelDialog*>(modal)->CancelBtn->click(); });
  dialog.Ask("How many Pcs?");
  EXPECT_EQ(dialog.size(), QSize(361, 104));
  EXPECT_EQ(dialog.Edit1->geometry(), QRect(144, 40, 49, 21));
  EXPECT_EQ(dialog.OKBtn->geometry(), QRect(102, 72, 75, 25));
}

using PromptThroughFrontend = FormsTest;

TEST_F(PromptThroughFrontend, AskNumberRunsThePromptModally) {
  WhenModal([this](QWidget* modal) {
    EXPECT_EQ(modal, forms->VrelDialog.get());
    EXPECT_EQ(forms->VrelDialog->Label1->text(), "Number of Projections");
    TypeText(forms->VrelDialog->Edit1, "4");
    forms->VrelDialog->OKBtn->click();
  });
  EXPECT_EQ(AskPrompt(State(), Main().Front(), "Number of Projections"), 4);
  EXPECT_EQ(State().PromptResult, 4);
}

}  // namespace
}  // namespace vrel::test
