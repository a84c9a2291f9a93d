// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSlider>
#include <vector>

#include "app/toolbar.h"
#include "qt/log_window.h"
#include "qt/main_form.h"
#include "qt/qt_frontend.h"
#include "qt_test_support.h"

namespace vrel::test {
namespace {

TEST(QtFileFilter, TurnsDescriptionPatternPairsIntoQtFilters) {
  EXPECT_EQ(QtFileFilter("DAT|*.dat"), "DAT (*.dat)");
  EXPECT_EQ(QtFileFilter("TXT|*.txt|ALL|*.*"), "TXT (*.txt);;ALL (*.*)");
  EXPECT_EQ(QtFileFilter("Link|*.lie"), "Link (*.lie)");
  EXPECT_EQ(QtFileFilter("Pictures (*.svg *.pdf *.png)|*.svg;*.pdf;*.png"),
            "Pictures (*.svg *.pdf *.png)");
  EXPECT_EQ(QtFileFilter("A|*.a;*.b"), "A (*.a *.b)");
}

using Frontend = FormsTest;

TEST_F(Frontend, MessageBoxesUseTheIconAndTheProgramTitleAsDefaultCaption) {
  struct Case {
    const char* caption;
    Icon icon;
    QString title;
    QMessageBox::Icon shown;
  };
  const Case cases[] = {{"", Icon::Stop, "Vrel", QMessageBox::Critical},
                        {"", Icon::Exclamation, "Vrel", QMessageBox::Warning},
                        {"WARNING", Icon::None, "WARNING", QMessageBox::NoIcon}};
  for (const Case& c : cases) {
    QMessageBox* seen = nullptr;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    WhenModal([&](QWidget* modal) {
      seen = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(seen, nullptr);
      title = seen->windowTitle();
      text = seen->text();
      icon = seen->icon();
      seen->button(QMessageBox::Ok)->click();
    });
    Main().Front().ShowMessage("Input failed", c.caption, c.icon);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(text, "Input failed");
    EXPECT_EQ(icon, c.shown);
  }
}

TEST_F(Frontend, SaveDialogsAskBeforeOverwritingAndTheFilterGivesTheExtension) {
  // A name typed without an extension takes the chosen filter's; "ALL" adds none, and a name
  // with an extension of its own keeps it.
  struct Case {
    FileDialog dialog;
    int filter;
    const char* typed;
    const char* chosen;
  };
  const Case cases[] = {{FileDialog::SaveText, 0, "vrel_scores_test", "vrel_scores_test.txt"},
                        {FileDialog::SaveText, 1, "vrel_scores_test", "vrel_scores_test"},
                        {FileDialog::SaveScores, 1, "scores", "scores.csv"},
                        {FileDialog::SaveScores, 1, "scores.dat", "scores.dat"},
                        {FileDialog::SaveVect, 0, "pcs", "pcs.vec"},
                        {FileDialog::SaveData, 0, "consensus", "consensus.dat"},
                        {FileDialog::SaveSizes, 1, "sizes", "sizes.csv"},
                        {FileDialog::SaveMeta, 0, "figure", "figure.svg"}};
  for (const Case& c : cases) {
    QStringList filters;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
      EXPECT_EQ(dialog->testOption(QFileDialog::DontConfirmOverwrite),
                c.dialog == FileDialog::SaveMeta);
      filters = dialog->nameFilters();
      // The user picks the filter from the dialog's list.
      auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
      ASSERT_NE(types, nullptr);
      types->setCurrentIndex(c.filter);
      emit types->activated(c.filter);
      emit types->textActivated(types->itemText(c.filter));
      dialog->selectFile(QDir::temp().filePath(c.typed));
      static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(Main().Front().ChooseFile(c.dialog), QDir::temp().filePath(c.chosen).toStdString())
        << filters.join(";;").toStdString();
  }

  WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  EXPECT_EQ(Main().Front().ChooseFile(FileDialog::OpenLink), std::nullopt);
}

TEST_F(Frontend, ControlSettersShowTheChosenItemAndRunNoHandler) {
  QtFrontend& fe = Main().Front();
  std::vector<int> used;
  QObject::connect(&Main(), &TMainForm::ControlUsed,
                   [&used](ToolbarControl, int value) { used.push_back(value); });
  Main().ComboBoxComp->setEditText("typed");
  fe.SetComboIndex(Combo::Comp, 97);
  EXPECT_EQ(Main().ComboBoxComp->currentText(), "Regres");
  fe.SetComboText(Combo::Comp, "");
  EXPECT_EQ(Main().ComboBoxComp->currentText(), "");
  fe.SetComboIndex(Combo::Indi, -1);
  EXPECT_EQ(Main().ComboBoxIndi->currentText(), "");
  // New items keep the item shown, now with its new text.
  const std::vector<std::string> numbers =
      ToolbarControlDetails(ToolbarControl::ComboBoxIndi).items;
  std::vector<std::string> named = numbers;
  named[2] = "3 Gg 12";
  const int width = Main().ComboBoxIndi->width();
  const int nextLeft = Main().TrackBar1->x();
  fe.SetComboIndex(Combo::Indi, 2);
  fe.SetComboItems(Combo::Indi, named);
  EXPECT_EQ(Main().ComboBoxIndi->count(), static_cast<int>(named.size()));
  EXPECT_EQ(Main().ComboBoxIndi->currentIndex(), 2);
  EXPECT_EQ(Main().ComboBoxIndi->currentText(), "3 Gg 12");
  // The field grows to show the longer item whole, and moves the controls to its right along.
  const int grown = Main().ComboBoxIndi->width() - width;
  EXPECT_GT(grown, 0);
  EXPECT_EQ(Main().TrackBar1->x(), nextLeft + grown);
  fe.SetComboItems(Combo::Indi, numbers);
  EXPECT_EQ(Main().ComboBoxIndi->currentText(), "3");
  EXPECT_EQ(Main().ComboBoxIndi->width(), width);
  fe.SetComboIndex(Combo::Indi, -1);
  fe.SetTrackBarPosition(-10);
  EXPECT_EQ(Main().TrackBar1->value(), -10);
  EXPECT_TRUE(used.empty());
}

TEST_F(Frontend, WindowsShowHideAndTheLogKeepsItsLines) {
  QtFrontend& fe = Main().Front();
  fe.HideWindow(Window::Plot);
  EXPECT_FALSE(fe.IsWindowVisible(Window::Plot));
  fe.ShowWindow(Window::Plot);
  EXPECT_TRUE(fe.IsWindowVisible(Window::Plot));
  fe.HideWindow(Window::About);
  EXPECT_FALSE(fe.IsWindowVisible(Window::About));

  fe.AppendLog("PCS 1 :  0.123456");
  fe.AppendLog("");
  fe.AppendLog("end");
  EXPECT_EQ(forms->LogWindow->Lines(), QStringList({"PCS 1 :  0.123456", "", "end"}));
  EXPECT_TRUE(forms->LogWindow->MemoVrel->isReadOnly());
  fe.ClearLog();
  EXPECT_TRUE(forms->LogWindow->Lines().isEmpty());
}

TEST_F(Frontend, ProgressDialogLastsUntilTheRunsFinalReport) {
  QtFrontend& fe = Main().Front();
  EXPECT_TRUE(fe.Progress({0, 100}));
  ASSERT_NE(fe.ProgressDialog(), nullptr);
  EXPECT_EQ(fe.ProgressDialog()->minimumDuration(), 1000);
  EXPECT_TRUE(fe.Progress({50, 100}));
  EXPECT_NE(fe.ProgressDialog(), nullptr);
  EXPECT_TRUE(fe.Progress({60, 100, true, true}));
  EXPECT_EQ(fe.ProgressDialog(), nullptr);

  // Cancel answers false until the command sends its final report.
  EXPECT_TRUE(fe.Progress({1, 1000}));
  fe.ProgressDialog()->cancel();
  EXPECT_FALSE(fe.Progress({2, 1000}));
  fe.Progress({2, 1000, true, true});
  EXPECT_EQ(fe.ProgressDialog(), nullptr);
}

}  // namespace
}  // namespace vrel::test
