#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "qt/about_box.h"
#include "qt/drawing_form.h"
#include "qt/log_window.h"
#include "qt/qt_frontend.h"
#include "qt/vrel_dialog.h"
#include "qt_test_support.h"

namespace vrel::test {
namespace {

using StartUp = FormsTest;

TEST_F(StartUp, CreatesEveryWindowWithItsCaptionPlaceAndVisibility) {
  EXPECT_EQ(QApplication::applicationName(), "Vrel");
  struct Expected {
    QWidget* form;
    const char* caption;
    int left, top, width, height;
  };
  const Expected windows[] = {
      {forms->MainForm.get(), "Vrel", 1, -1, 649, 76},
      {forms->PlotDraw.get(), "Plot Window", 0, 75, 558, 376},
      {forms->PcsDraw.get(), "Vectors Window", 19, 97, 568, 394},
      {forms->DrawWindow.get(), "Specimens Window", 40, 121, 576, 402},
      {forms->LogWindow.get(), "Log Window", 62, 146, 586, 410},
  };
  for (const Expected& w : windows) {
    SCOPED_TRACE(w.caption);
    EXPECT_EQ(w.form->windowTitle(), w.caption);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->pos(), QPoint(w.left, w.top));
    EXPECT_EQ(w.form->size(), QSize(w.width, w.height));
  }
  EXPECT_EQ(forms->VrelDialog->windowTitle(), "Vrel");
  EXPECT_FALSE(forms->VrelDialog->isVisible());
  EXPECT_EQ(forms->VrelDialog->size(), QSize(361, 104));
  EXPECT_EQ(forms->AboutBox->windowTitle(), "Vrel");
  EXPECT_TRUE(forms->AboutBox->isVisible());
  EXPECT_EQ(forms->AboutBox->size(), QSize(307, 242));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), forms->AboutBox.get());

  // The drawing windows each have a paint box filling them.
  for (DrawingForm* form : {static_cast<DrawingForm*>(forms->DrawWindow.get()),
                            static_cast<DrawingForm*>(forms->PcsDraw.get()),
                            static_cast<DrawingForm*>(forms->PlotDraw.get())}) {
    ASSERT_NE(form->PaintBox1, nullptr);
    EXPECT_EQ(form->PaintBox1->size(), form->size());
  }
}

TEST_F(StartUp, TheSessionStartsEmpty) {
  const Session& s = State();
  EXPECT_EQ(s.SpecimenCount, 0);
  EXPECT_FALSE(s.DataLoaded);
  EXPECT_TRUE(s.ShowLabels);
  EXPECT_EQ(s.PlotAxisY, 1);
}

TEST_F(StartUp, AboutBoxOkHidesTheStartUpBox) {
  forms->AboutBox->Button1->click();
  EXPECT_FALSE(forms->AboutBox->isVisible());
}

// The menu bar as the user reads it: "-" is a separator, a submenu lists its items in braces.
QStringList Describe(QMenu* menu) {
  QStringList items;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator())
      items << "-";
    else if (action->menu() != nullptr)
      items << action->text() + "{" + Describe(action->menu()).join(",") + "}";
    else
      items << action->text();
  }
  return items;
}

TEST_F(StartUp, MenusHoldTheCaptionsInOrder) {
  QStringList menus;
  std::vector<QStringList> contents;
  for (QAction* action : Main().menuBar()->actions()) {
    menus << action->text();
    ASSERT_NE(action->menu(), nullptr);
    contents.push_back(Describe(action->menu()));
  }
  EXPECT_EQ(menus, QStringList({"&File", "&Compute", "&Window", "&Options", "&About"}));
  ASSERT_EQ(contents.size(), 5u);
  EXPECT_EQ(contents[0],
            QStringList({"Open &Data", "Open &Link", "Open &Factor", "Open Se&lection", "-",
                         "Reload {Consensus,PCS}", "-", "Save &Residuals", "Save &Consensus",
                         "Save &Sizes", "-", "Save S&cores", "Save one Projection", "Save &PCS",
                         "Save one PCS", "-", "Clear Session", "Quit"}));
  EXPECT_EQ(contents[1],
            QStringList({"&Superimposition", "&Components", "-", "&Regression", "Regression T&est",
                         "-", "Mean Regression", "Mean Regression Test", "Homogeneity Test", "-",
                         "&Discrimination", "Discrimination &Test", "-", "Hyperprojection",
                         "Shape difference"}));
  EXPECT_EQ(contents[2], QStringList({"Specimens", "Vectors", "Plot", "Log"}));
  EXPECT_EQ(contents[3], QStringList({"Define groups", "-", "Color", "Extremes"}));
  EXPECT_EQ(contents[4], QStringList({"&Help", "-", "About"}));

  for (QAction* action : Main().findChildren<QAction*>()) {
    SCOPED_TRACE(action->text().toStdString());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
  EXPECT_TRUE(Main().MenuAction(CommandId::OptionColor)->isCheckable());
  EXPECT_TRUE(Main().MenuAction(CommandId::Enveloppe)->isCheckable());
  EXPECT_FALSE(Main().MenuAction(CommandId::Gpa)->isCheckable());
}

TEST_F(StartUp, ToolbarControlsInOrderWithHintsAndOnlyZoomEnabled) {
  struct Expected {
    const char* name;
    int x;
    const char* hint;
    bool enabled;
  };
  const Expected controls[] = {
      {"BoutonGpa", 0, "Compute superimposition", false},
      {"BoutonPcs", 25, "Compute components", false},
      {"BoutonZoomPlus", 50, "Enlargement", true},
      {"BoutonZoomMoins", 75, "Reduction", true},
      {"BoutonUp", 100, "Rotate up", false},
      {"BoutonRight", 125, "Rotate right", false},
      {"BoutonAll", 150, "Superimposed specimens", false},
      {"ComboBoxIndi", 173, "Specimen selection", false},
      {"TrackBar1", 228, "Shape change magnitude", false},
      {"ComboBoxComp", 378, "Vector selection", false},
      {"BoutonPlot", 436, "Plot scores", false},
      {"ComboXaxis", 461, "X-axis", false},
      {"ComboYaxis", 512, "Y-axis", false},
      {"BoutonLabel", 563, "Labels", false},
  };
  const auto widgets = Main().ToolbarControls();
  for (int i = 0; i < ToolbarControlCount; ++i) {
    SCOPED_TRACE(controls[i].name);
    EXPECT_EQ(widgets[i]->objectName(), controls[i].name);
    EXPECT_EQ(widgets[i]->x(), controls[i].x);
    EXPECT_EQ(widgets[i]->toolTip(), controls[i].hint);
    EXPECT_EQ(widgets[i]->isEnabled(), controls[i].enabled);
    if (auto* button = qobject_cast<QToolButton*>(widgets[i])) {
      EXPECT_EQ(button->height(), 21);
      EXPECT_FALSE(button->icon().isNull());
    }
  }

  EXPECT_EQ(Main().ComboBoxIndi->width(), 55);
  EXPECT_EQ(Main().ComboBoxComp->width(), 58);
  EXPECT_EQ(Main().ComboXaxis->width(), 51);
  EXPECT_EQ(Main().TrackBar1->width(), 150);
  EXPECT_EQ(Main().ComboBoxIndi->count(), 300);
  EXPECT_EQ(Main().ComboBoxIndi->itemText(299), "300");
  ASSERT_EQ(Main().ComboBoxComp->count(), 99);
  EXPECT_EQ(Main().ComboBoxComp->itemText(96), "97");
  EXPECT_EQ(Main().ComboBoxComp->itemText(97), "Regres");
  EXPECT_EQ(Main().ComboBoxComp->itemText(98), "Discrim");
  for (QComboBox* axis : {Main().ComboXaxis, Main().ComboYaxis}) {
    ASSERT_EQ(axis->count(), 99);
    EXPECT_EQ(axis->itemText(95), "96");
    EXPECT_EQ(axis->itemText(96), "Cs/Fac");
    EXPECT_EQ(axis->itemText(98), "Discrim");
    EXPECT_TRUE(axis->isEditable());
  }
  const QSlider* bar = Main().TrackBar1;
  EXPECT_EQ(bar->orientation(), Qt::Horizontal);
  EXPECT_EQ(bar->minimum(), -10);
  EXPECT_EQ(bar->maximum(), 10);
  EXPECT_EQ(bar->value(), 4);
  EXPECT_EQ(bar->tickInterval(), 1);
  EXPECT_EQ(bar->tickPosition(), QSlider::TicksBelow);
}

}  // namespace
}  // namespace vrel::test
