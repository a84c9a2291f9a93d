// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <sstream>
#include <utility>
#include <vector>

#include "batch/batch_runner.h"
#include "graphics/drawings.h"
#include "graphics/plot.h"
#include "qt/about_box.h"
#include "qt/drawing_form.h"
#include "qt/help_window.h"
#include "qt/log_window.h"
#include "qt/qt_frontend.h"
#include "qt_test_support.h"
#include "shell/enabling.h"
#include "shell/prompt.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel::test {
namespace {

using MainWindow = FormsTest;

// Opens and closes a top-level menu, as a user glancing at it would.
void Open(QMenu* menu) {
  ASSERT_NE(menu, nullptr);
  menu->popup(QPoint(0, 0));
  menu->hide();
}

TEST_F(MainWindow, MenuEnablingFollowsTheSessionWhenTheMenuOpens) {
  auto enabled = [this](CommandId id) { return Main().MenuAction(id)->isEnabled(); };
  Open(Main().Menu("FileMenu"));
  EXPECT_TRUE(enabled(CommandId::OpenData));
  EXPECT_FALSE(enabled(CommandId::OpenLink));
  EXPECT_FALSE(enabled(CommandId::OpenSelect));
  EXPECT_FALSE(enabled(CommandId::Consensus));
  EXPECT_FALSE(enabled(CommandId::SaveResiduals));
  EXPECT_FALSE(enabled(CommandId::SaveSinglePcs));
  EXPECT_TRUE(enabled(CommandId::ClearSession));
  EXPECT_TRUE(enabled(CommandId::Quit));

  State().DataLoaded = true;
  // Nothing changes until the menu opens again.
  EXPECT_FALSE(enabled(CommandId::OpenLink));
  Open(Main().Menu("FileMenu"));
  EXPECT_TRUE(enabled(CommandId::OpenLink));
  EXPECT_TRUE(enabled(CommandId::OpenSelect));
  EXPECT_TRUE(enabled(CommandId::Consensus));
  EXPECT_FALSE(enabled(CommandId::ShapeVectors));

  State().Superimposed = true;
  State().ComponentsComputed = true;
  Open(Main().Menu("ComputeMenu"));
  EXPECT_FALSE(enabled(CommandId::Gpa));
  EXPECT_FALSE(enabled(CommandId::Pcs));
  EXPECT_TRUE(enabled(CommandId::Regression));
  EXPECT_FALSE(enabled(CommandId::Discrimination));
  State().GroupLimit = 10;
  Open(Main().Menu("ComputeMenu"));
  EXPECT_TRUE(enabled(CommandId::Discrimination));
  Open(Main().Menu("View1"));
  EXPECT_TRUE(enabled(CommandId::ViewPlot));

  State().ColorOption = false;
  State().ExtremesOption = true;
  Open(Main().Menu("Options1"));
  EXPECT_FALSE(Main().MenuAction(CommandId::OptionColor)->isChecked());
  EXPECT_TRUE(Main().MenuAction(CommandId::Enveloppe)->isChecked());
}

// A press, moves and a release of the left button over a paint box.
void LeftButton(QWidget* box, std::initializer_list<QPoint> path) {
  auto send = [box](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(box->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &event);
  };
  const QPoint* last = nullptr;
  for (const QPoint& at : path) {
    if (last == nullptr)
      send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    else
      send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    last = &at;
  }
  send(QEvent::MouseButtonRelease, *last, Qt::LeftButton, Qt::NoButton);
}

// The key F fits the window it is pressed in; Fit to Window the shape window nearest the front.
TEST_F(MainWindow, FitActsOnTheWindowOfTheKeyOrInFront) {
  Session& s = State();
  FillSuperimposedSession(s, 5);
  s.SpecimensView = 1;
  auto fitted = [&s](DrawingForm& form) {
    const QSize size = form.PaintBox1->size();
    return static_cast<float>(*FittingScale(s, form.Window(), size.width(), size.height()));
  };
  QKeyEvent f(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, "f");
  QApplication::sendEvent(forms->DrawWindow.get(), &f);
  EXPECT_FLOAT_EQ(s.DrawScale, fitted(*forms->DrawWindow));
  QApplication::sendEvent(forms->PlotDraw.get(), &f);  // the plot has no zoom to fit
  EXPECT_FLOAT_EQ(s.DrawScale, fitted(*forms->DrawWindow));

  forms->PcsDraw->resize(300, 600);
  Main().Front().ShowWindow(Window::Vectors);
  EXPECT_EQ(Main().Front().FrontShapeWindow(), Window::Vectors);
  Main().MenuAction(CommandId::FitToWindow)->trigger();
  EXPECT_FLOAT_EQ(s.DrawScale, fitted(*forms->PcsDraw));
}

TEST_F(MainWindow, TheMouseTurnsAndZoomsTheShapesAndPicksPlotPoints) {
  State().DimensionCount = 3;
  LeftButton(forms->DrawWindow->PaintBox1, {QPoint(100, 100), QPoint(110, 95), QPoint(130, 90)});
  EXPECT_FLOAT_EQ(State().TurnAngle, 0.3f);
  EXPECT_FLOAT_EQ(State().TiltAngle, 0.1f);
  // Three eighths of a notch, then the rest of it and one more: two enlargements.
  for (int delta : {45, 75, 120}) {
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(forms->PcsDraw->PaintBox1, &wheel);
  }
  EXPECT_FLOAT_EQ(State().DrawScale, 1210.0f);

  // Three specimens plotted; a click on the second one's marker chooses it.
  Session& s = State();
  s.DimensionCount = 2;
  s.LandmarkCount = 10;
  s.SpecimenCount = 3;
  s.DataLoaded = s.Superimposed = s.ComponentsComputed = true;
  s.PlotView = 1;
  for (int i = 0; i < 3; ++i) {
    s.Scores[i][0] = 0.1 * i - 0.1;
    s.Scores[i][1] = 0.05 * i;
  }
  QWidget* box = forms->PlotDraw->PaintBox1;
  const PlotMapping map = *PlotMappingOf(s, box->width(), box->height());
  const QPoint second(static_cast<int>(map.X(0.0)), static_cast<int>(map.Y(0.05)));
  QHelpEvent hover(QEvent::ToolTip, second, box->mapToGlobal(second));
  QApplication::sendEvent(box, &hover);
  EXPECT_EQ(QToolTip::text(), "2\nPC1: 0.000000\nPC2: 0.050000");
  LeftButton(box, {second});
  EXPECT_EQ(s.SelectedSpecimen, 1);
  EXPECT_EQ(s.SpecimensView, 2);
  EXPECT_EQ(Main().ComboBoxIndi->currentIndex(), 1);
}

TEST_F(MainWindow, WindowLogShowsTheHiddenLogWithItsLines) {
  Main().Front().AppendLog("Data File : a.dat");
  Main().Front().AppendLog("second line");
  forms->LogWindow->hide();
  Main().MenuAction(CommandId::ViewLog)->trigger();
  EXPECT_TRUE(forms->LogWindow->isVisible());
  EXPECT_EQ(forms->LogWindow->Lines(), QStringList({"Data File : a.dat", "second line"}));
}

TEST_F(MainWindow, ClearSessionEmptiesTheLogAndResetsTheToolbar) {
  State().DataLoaded = true;
  ActiverBoutons(State(), Main().Front());
  EXPECT_TRUE(Main().BoutonGpa->isEnabled());
  Main().TrackBar1->setValue(-7);
  Main().Front().AppendLog("line");
  forms->LogWindow->hide();

  Main().MenuAction(CommandId::ClearSession)->trigger();
  EXPECT_FALSE(State().DataLoaded);
  EXPECT_FALSE(Main().BoutonGpa->isEnabled());
  EXPECT_EQ(Main().TrackBar1->value(), 4);
  EXPECT_TRUE(forms->LogWindow->Lines().isEmpty());
  EXPECT_TRUE(forms->LogWindow->isVisible());
}

TEST_F(MainWindow, AboutRaisesAVisibleBoxAndOtherwiseRunsItModally) {
  Main().MenuAction(CommandId::ViewAbout)->trigger();  // visible: only brought to the front
  EXPECT_TRUE(forms->AboutBox->isVisible());
  forms->AboutBox->Button1->click();
  ASSERT_FALSE(forms->AboutBox->isVisible());

  bool shownModally = false;
  WhenModal([&](QWidget* modal) {
    shownModally = modal == forms->AboutBox.get();
    // Another command while the box is up does not run.
    forms->LogWindow->hide();
    Main().MenuAction(CommandId::ViewLog)->trigger();
    EXPECT_FALSE(forms->LogWindow->isVisible());
    EXPECT_TRUE(Main().CommandRunning());
    forms->AboutBox->Button1->click();
  });
  Main().MenuAction(CommandId::ViewAbout)->trigger();
  EXPECT_TRUE(shownModally);
  EXPECT_FALSE(forms->AboutBox->isVisible());
  EXPECT_FALSE(Main().CommandRunning());
  Main().MenuAction(CommandId::ViewLog)->trigger();
  EXPECT_TRUE(forms->LogWindow->isVisible());
}

TEST_F(MainWindow, HelpOpensTheGuideAndClosesWithTheMainWindowButNotOnQuit) {
  bool quit = false;
  Main().Front().SetQuitAction([&quit] { quit = true; });
  Main().MenuAction(CommandId::Help1)->trigger();
  THelpWindow* help = Main().HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->HelpBrowser->source(), QUrl(HelpContentsUrl));
  EXPECT_FALSE(help->HelpBrowser->documentTitle().isEmpty());

  Main().MenuAction(CommandId::Quit)->trigger();
  EXPECT_TRUE(quit);
  EXPECT_TRUE(help->isVisible());

  Main().close();
  EXPECT_FALSE(help->isVisible());
}

TEST_F(MainWindow, EveryPageOfTheGuideIsBundled) {
  Main().ShowHelp();
  QTextBrowser* browser = Main().HelpWindow()->HelpBrowser;
  const QStringList pages = {"index",           "introduction", "first_analysis",
                             "worked_analysis", "menus",        "toolbar",
                             "windows",         "data_files",   "batch"};
  int links = 0;
  for (const QString& page : pages) {
    SCOPED_TRACE(page.toStdString());
    browser->setSource(QUrl("qrc:/help/" + page + ".html"));
    EXPECT_FALSE(browser->documentTitle().isEmpty());
    EXPECT_GT(browser->toPlainText().size(), 200);
    // Every link of the page leads to a bundled page or to a place on one.
    const QString html = browser->toHtml();
    qsizetype at = 0;
    while ((at = html.indexOf("href=\"", at)) >= 0) {
      at += 6;
      const QString target = html.mid(at, html.indexOf('"', at) - at).section('#', 0, 0);
      if (target.isEmpty()) continue;
      ++links;
      EXPECT_TRUE(QFile::exists(":/help/" + target)) << target.toStdString();
    }
  }
  EXPECT_GT(links, 20);
}

TEST_F(MainWindow, OpenDataThroughItsDialogThenSuperimposeFromTheToolbar) {
  const QString file = TestData("gorilla.dat");
  WhenModal([file](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Open Data");
    EXPECT_EQ(dialog->nameFilters(), QStringList({"DAT (*.dat)", "TPS (*.tps)", "NTS (*.nts)"}));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    dialog->selectFile(file);
    static_cast<QDialog*>(dialog)->accept();
  });
  Main().MenuAction(CommandId::OpenData)->trigger();
  ASSERT_TRUE(State().DataLoaded);
  ASSERT_FALSE(forms->LogWindow->Lines().isEmpty());
  EXPECT_TRUE(forms->LogWindow->Lines().first().endsWith("gorilla.dat"));
  EXPECT_TRUE(Main().BoutonGpa->isEnabled());

  Main().BoutonGpa->click();
  EXPECT_TRUE(State().Superimposed);
  EXPECT_FALSE(Main().BoutonGpa->isEnabled());
  EXPECT_TRUE(Main().BoutonUp->isEnabled());
  EXPECT_TRUE(Main().ComboBoxIndi->isEnabled());
  EXPECT_FALSE(Main().TrackBar1->isEnabled());
}

// The road to a test on groups: data, superimposition, components, and the second group
// beginning at specimen 31.
void PrepareGroupedGorillas(TMainForm& main) {
  ChooseInDialog(TestData("gorilla.dat"));
  main.MenuAction(CommandId::OpenData)->trigger();
  main.MenuAction(CommandId::Gpa)->trigger();
  main.MenuAction(CommandId::Pcs)->trigger();
  AnswerPrompts({"31"});
  main.MenuAction(CommandId::DefineGroups)->trigger();
}

bool ProgressDialogShown() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<QProgressDialog*>(widget) != nullptr && widget->isVisible()) return true;
  return false;
}

TEST_F(MainWindow, EachHomogeneityTestRunsItsOwnProgressDialogAndClosesIt) {
  PrepareGroupedGorillas(Main());
  ASSERT_EQ(State().SpecimenCount, 59);
  ASSERT_EQ(State().GroupLimit, 30);
  ASSERT_TRUE(State().ComponentsComputed);
  // Numbers keep their decimal point whatever the desktop's language.
  EXPECT_TRUE(forms->LogWindow->Lines().contains("Sum of Squared Deviations =  0.181038"));

  // Progress is reported every 4096 permutations: 3000 make no report before the last, and the
  // user stops the first run at its first report. A stopped run leaves nothing behind.
  struct Run {
    int permutations;
    bool cancel;
    int range;  // of the dialog seen while the run lasts, -1 for none
    int done;
  };
  const Run runs[] = {{5000, true, 5000, 4096}, {3000, false, -1, 3000}, {9000, false, 9000, 9000}};
  for (const Run& run : runs) {
    SCOPED_TRACE(run.permutations);
    int range = -1;
    bool canceled = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      QProgressDialog* dialog = Main().Front().ProgressDialog();
      if (dialog == nullptr || range >= 0) return;
      range = dialog->maximum();
      canceled = dialog->wasCanceled();
      if (run.cancel) dialog->cancel();
    });
    watch.start();
    AnswerPrompts({"5", QString::number(run.permutations)});
    Main().MenuAction(CommandId::MantelTest)->trigger();
    watch.stop();

    EXPECT_EQ(range, run.range);
    EXPECT_FALSE(canceled);
    EXPECT_EQ(Main().Front().ProgressDialog(), nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(ProgressDialogShown());
    EXPECT_FALSE(Main().CommandRunning());
    const QString last = forms->LogWindow->Lines().last();
    EXPECT_TRUE(last.endsWith(QString(" on %1").arg(run.done))) << last.toStdString();
  }
}

TEST_F(MainWindow, ListsAndTrackBarHandOnTheValueTheUserChose) {
  std::vector<std::pair<ToolbarControl, int>> used;
  QObject::connect(&Main(), &TMainForm::ControlUsed, [&used](ToolbarControl control, int value) {
    used.emplace_back(control, value);
  });
  for (QWidget* control : Main().ToolbarControls()) control->setEnabled(true);

  // An entry typed in a list chooses the item it names; one that names none chooses nothing.
  Main().ComboBoxComp->lineEdit()->setText("Regres");
  PressKey(Main().ComboBoxComp->lineEdit(), Qt::Key_Return, "\r");
  Main().ComboXaxis->lineEdit()->setText("Cs/Fac");
  PressKey(Main().ComboXaxis->lineEdit(), Qt::Key_Return, "\r");
  Main().ComboYaxis->lineEdit()->setText("500");
  PressKey(Main().ComboYaxis->lineEdit(), Qt::Key_Return, "\r");
  Main().TrackBar1->setFocus();
  PressKey(Main().TrackBar1, Qt::Key_Left);
  Main().BoutonZoomPlus->click();

  using T = ToolbarControl;
  const std::vector<std::pair<ToolbarControl, int>> expected = {
      {T::ComboBoxComp, 97}, {T::ComboXaxis, 96}, {T::TrackBar1, 3}, {T::BoutonZoomPlus, 0}};
  EXPECT_EQ(used, expected);
  EXPECT_EQ(Main().ComboYaxis->count(), 99);  // typing adds no item
  // Nothing is left open or running.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(Main().CommandRunning());
}

// The drawings as a user reaches them: each window records its picture when it paints, the
// arrow keys turn the view in the window that has them, and Left and Right step through a list.
TEST_F(MainWindow, WindowsPaintTheirDrawingsAndTakeTheirKeys) {
  PrepareGroupedGorillas(Main());
  Main().BoutonAll->click();
  forms->DrawWindow->PaintBox1->grab();
  const Picture& specimens = forms->DrawWindow->LastPicture();
  EXPECT_EQ(specimens.width, 568);
  EXPECT_EQ(specimens.height, 375);
  EXPECT_GT(specimens.items.size(), 59u * 8u);

  PressKey(forms->DrawWindow.get(), Qt::Key_Up);
  EXPECT_NEAR(State().TiltAngle, 0.1570796, 1e-7);

  Main().ComboBoxIndi->lineEdit()->setText("12");
  PressKey(Main().ComboBoxIndi->lineEdit(), Qt::Key_Return, "\r");
  EXPECT_EQ(State().SelectedSpecimen, 11);
  PressKey(Main().ComboBoxIndi, Qt::Key_Right);
  EXPECT_EQ(State().SelectedSpecimen, 12);
  EXPECT_EQ(Main().ComboBoxIndi->currentText(), "13");
  // Typed but not confirmed, the list's text is where the arrow keys step from.
  Main().ComboBoxIndi->lineEdit()->setText("30");
  PressKey(Main().ComboBoxIndi, Qt::Key_Right);
  EXPECT_EQ(State().SelectedSpecimen, 30);

  Main().BoutonPlot->click();
  forms->PlotDraw->PaintBox1->grab();
  EXPECT_EQ(forms->PlotDraw->LastPicture().width, 550);
  EXPECT_GT(forms->PlotDraw->LastPicture().items.size(), 59u);

  // Clear Session leaves no window showing the old data, even after it repaints.
  Main().MenuAction(CommandId::ClearSession)->trigger();
  for (DrawingForm* form : Drawings()) {
    form->PaintBox1->grab();
    EXPECT_TRUE(form->LastPicture().items.empty()) << form->objectName().toStdString();
  }
}

// A short session through the widgets, saved from the log window's menu, runs again in
// vrel-batch to the same log and the same file; a cancelled prompt stays a comment.
TEST_F(MainWindow, ASessionThroughTheWidgetsIsSavedAsAScriptThatRunsAgain) {
  const QString dir = QString::fromStdString(test::ScratchDir()) + "widgets/";
  QDir().mkpath(dir);
  EXPECT_FALSE(MenuItemEnabled(State(), CommandId::SaveScript));
  PrepareGroupedGorillas(Main());
  Main().ComboBoxComp->lineEdit()->setText("2");
  PressKey(Main().ComboBoxComp->lineEdit(), Qt::Key_Return, "\r");
  Main().TrackBar1->setValue(7);
  PressKey(forms->PcsDraw.get(), Qt::Key_Up);
  PressKey(Main().ComboBoxIndi, Qt::Key_Right);
  AnswerPrompts({"0"});
  Main().MenuAction(CommandId::Regression)->trigger();
  AnswerPrompts({"3"});
  ChooseInDialog(dir + "scores.txt");
  Main().MenuAction(CommandId::SaveScores)->trigger();
  AnswerText("Cs + Cs", {"9"});
  Main().MenuAction(CommandId::LinearModel)->trigger();

  QMenu* menu = forms->LogWindow->ContextMenu();
  QAction* save = menu->findChild<QAction*>("SaveScript");
  ASSERT_NE(save, nullptr);
  ASSERT_TRUE(save->isEnabled());
  ChooseInDialog(dir + "session.vrel");
  save->trigger();
  delete menu;

  const std::string script = ReadWhole((dir + "session.vrel").toStdString());
  for (const char* line :
       {"\nrelative-to-script\n", "\nopen-data ", "\nsuperimpose\n", "\ncomponents\n",
        "\ndefine-groups 31\n", "\nselect-vector 2\n", "\nmagnitude 7\n", "\nkey-up\n",
        "\nnext-specimen 0\n", "\n# regression 0    (cancelled)\n", "\nsave-scores 3 scores.txt\n",
        "\nlinear-model \"Cs + Cs\" 9\n"})
    EXPECT_NE(script.find(line), std::string::npos) << line << " in\n" << script;
  const std::string scores = ReadWhole((dir + "scores.txt").toStdString());
  QFile::remove(dir + "scores.txt");

  Session replayed;
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(RunBatchScript(replayed, (dir + "session.vrel").toStdString(), in, out, err, false), 0);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts),
            forms->LogWindow->Lines());
  EXPECT_EQ(ReadWhole((dir + "scores.txt").toStdString()), scores);
  EXPECT_EQ(replayed.ShapeMagnitude, State().ShapeMagnitude);
  EXPECT_EQ(replayed.TiltAngle, State().TiltAngle);
  EXPECT_EQ(replayed.SelectedSpecimen, State().SelectedSpecimen);
}

// A crowd of specimens takes long to draw: its window shows the image of its last paint again
// until a command runs. Within the default capacity every paint records the drawing anew.
TEST_F(MainWindow, ACrowdIsShownAgainFromItsImageUntilACommandRuns) {
  Session& s = State();
  DrawingForm& window = *forms->DrawWindow;
  for (const int specimens : {301, 300}) {
    SCOPED_TRACE(specimens);
    s.Reallocate(Capacity{specimens, MaxCoordinates});
    s.SpecimenCount = specimens;
    s.LandmarkCount = 3;
    s.DimensionCount = 2;
    s.DataLoaded = s.Superimposed = true;
    const double triangle[] = {-0.5, -0.3, 0.5, -0.3, 0.0, 0.6};
    for (int j = 0; j < 6; ++j) s.Consensus[j] = triangle[j];
    for (int i = 0; i < specimens; ++i)
      for (int j = 0; j < 6; ++j) s.Coordinates[i][j] = triangle[j] + 0.0002 * (i % 50);
    s.SpecimensView = 1;
    Main().BoutonZoomPlus->click();  // a command: nothing kept from before
    window.PaintBox1->grab();
    ASSERT_FALSE(window.LastPicture().items.empty());
    // The session changes behind the window's back; only a crowd keeps showing its image.
    s.SpecimensView = 0;
    window.PaintBox1->grab();
    EXPECT_EQ(window.LastPicture().items.empty(), specimens == 300);
    Main().BoutonZoomMoins->click();
    window.PaintBox1->grab();
    EXPECT_TRUE(window.LastPicture().items.empty());
  }
}

TEST(MainWindowStartUp, NotEnoughMemoryIsSaidAndEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        WhenModal([](QWidget* modal) {
          auto* box = qobject_cast<QMessageBox*>(modal);
          if (box != nullptr && box->text() == "Not enough memory" &&
              box->icon() == QMessageBox::NoIcon && box->windowTitle().isEmpty())
            fprintf(stderr, "said: Not enough memory\n");
          modal->close();
        });
        TMainForm form(4);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "said: Not enough memory");
}

// A receiver whose event handler fails.
class Failing : public QObject {
 protected:
  bool event(QEvent*) override { throw std::runtime_error("Range check error"); }
};

TEST(Application, AnEscapedFailureIsShownAndTheProgramCarriesOn) {
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    icon = box->icon();
    box->close();
  });
  Failing receiver;
  QEvent event(QEvent::User);
  QApplication::sendEvent(&receiver, &event);
  EXPECT_EQ(text, "Range check error");
  EXPECT_EQ(icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace vrel::test
