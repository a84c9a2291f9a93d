// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
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
  // The drawing windows' sizes are their client areas, the sizes their drawings are made for.
  const Expected windows[] = {
      {forms->PlotDraw.get(), "Plot Window", 0, 75, 550, 349},
      {forms->PcsDraw.get(), "Vectors Window", 19, 97, 560, 367},
      {forms->DrawWindow.get(), "Specimens Window", 40, 121, 568, 375},
      {forms->LogWindow.get(), "Log Window", 62, 146, 586, 410},
  };
  for (const Expected& w : windows) {
    SCOPED_TRACE(w.caption);
    EXPECT_EQ(w.form->windowTitle(), w.caption);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->pos(), QPoint(w.left, w.top));
    EXPECT_EQ(w.form->size(), QSize(w.width, w.height));
  }
  // The main window is the menu bar over the toolbar, with no empty band below.
  TMainForm& main = Main();
  EXPECT_EQ(main.windowTitle(), "Vrel");
  EXPECT_EQ(main.pos(), QPoint(1, -1));
  EXPECT_GE(main.width(), 649);
  EXPECT_EQ(main.ToolBar1->height(), 29);
  EXPECT_EQ(main.height(), main.menuBar()->height() + main.ToolBar1->height());
  EXPECT_EQ(main.ToolBar1->geometry().bottom() + 1, main.height());

  EXPECT_EQ(forms->VrelDialog->windowTitle(), "Vrel");
  EXPECT_FALSE(forms->VrelDialog->isVisible());
  EXPECT_EQ(forms->VrelDialog->size(), QSize(361, 104));
  EXPECT_EQ(forms->AboutBox->windowTitle(), "Vrel");
  EXPECT_TRUE(forms->AboutBox->isVisible());
  EXPECT_EQ(forms->AboutBox->size(), QSize(307, 242));
  // The licence is read whole inside the panel, over none of the panel's other items.
  const TAboutBox& about = *forms->AboutBox;
  const QLabel* licence = about.LicenceLabel;
  EXPECT_EQ(licence->text(), "Licensed under the GNU GPL, version 3 or later");
  EXPECT_LE(licence->heightForWidth(licence->width()), licence->height());
  EXPECT_TRUE(about.Panel1->contentsRect().contains(licence->geometry()));
  for (const QWidget* other : {about.AboutImage, about.Label1, about.Label4})
    EXPECT_FALSE(licence->geometry().intersects(other->geometry()))
        << other->objectName().toStdString();
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
  EXPECT_EQ(contents[3], QStringList({"Define groups", "-", "Color", "Extremes", "-",
                                      "Deformation grid", "Ellipses", "Axis titles"}));
  EXPECT_EQ(contents[4], QStringList({"&Help", "-", "About"}));

  for (QAction* action : Main().findChildren<QAction*>()) {
    SCOPED_TRACE(action->text().toStdString());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
  EXPECT_TRUE(Main().MenuAction(CommandId::OptionColor)->isCheckable());
  EXPECT_TRUE(Main().MenuAction(CommandId::Enveloppe)->isCheckable());
  for (CommandId id : {CommandId::DeformationGrid, CommandId::Ellipses, CommandId::AxisTitles}) {
    EXPECT_TRUE(Main().MenuAction(id)->isCheckable());
    EXPECT_FALSE(Main().MenuAction(id)->isChecked());
  }
  EXPECT_FALSE(Main().MenuAction(CommandId::Gpa)->isCheckable());
}

TEST_F(StartUp, ToolbarControlsInOrderWithHintsAndOnlyZoomEnabled) {
  struct Expected {
    const char* name;
    int x, width;  // the place at the least: a list may grow to show its items
    const char* hint;
    bool enabled;
  };
  const Expected controls[] = {
      {"BoutonGpa", 0, 23, "Compute superimposition", false},
      {"BoutonPcs", 25, 23, "Compute components", false},
      {"BoutonZoomPlus", 50, 23, "Enlargement", true},
      {"BoutonZoomMoins", 75, 23, "Reduction", true},
      {"BoutonUp", 100, 23, "Rotate up", false},
      {"BoutonRight", 125, 23, "Rotate right", false},
      {"BoutonAll", 150, 23, "Superimposed specimens", false},
      {"ComboBoxIndi", 173, 55, "Specimen selection", false},
      {"TrackBar1", 228, 150, "Shape change magnitude", false},
      {"ComboBoxComp", 378, 58, "Vector selection", false},
      {"BoutonPlot", 436, 23, "Plot scores", false},
      {"ComboXaxis", 461, 51, "X-axis", false},
      {"ComboYaxis", 512, 51, "Y-axis", false},
      {"BoutonLabel", 563, 23, "Labels", false},
  };
  const auto widgets = Main().ToolbarControls();
  int shift = 0;  // how far the lists to the left have grown
  for (int i = 0; i < ToolbarControlCount; ++i) {
    const Expected& c = controls[i];
    SCOPED_TRACE(c.name);
    QWidget* w = widgets[i];
    EXPECT_EQ(w->objectName(), c.name);
    EXPECT_EQ(w->x(), c.x + shift);
    if (qobject_cast<QComboBox*>(w) != nullptr) {
      EXPECT_GE(w->width(), c.width);
    } else {
      EXPECT_EQ(w->width(), c.width);
    }
    shift += w->width() - c.width;
    EXPECT_LE(w->geometry().right(), w->parentWidget()->width());
    EXPECT_EQ(w->toolTip(), c.hint);
    EXPECT_EQ(w->isEnabled(), c.enabled);
    if (auto* button = qobject_cast<QToolButton*>(w)) {
      EXPECT_EQ(button->height(), 21);
      EXPECT_FALSE(button->icon().isNull());
    }
  }
  EXPECT_GE(Main().width(), widgets.back()->mapTo(&Main(), QPoint(0, 0)).x() + 23);

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

// How far the line edit's cursor travels across the text: less than the text's width when the
// field is too narrow and scrolls it.
int ShownWidth(QLineEdit* edit) {
  edit->end(false);
  edit->grab();  // the scroll offset is worked out when the field paints
  const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  edit->home(false);
  edit->grab();
  return end - edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

TEST_F(StartUp, ListsShowEveryItemWholeInTheFieldAndTheDropDown) {
  for (QComboBox* list :
       {Main().ComboBoxIndi, Main().ComboBoxComp, Main().ComboXaxis, Main().ComboYaxis}) {
    SCOPED_TRACE(list->objectName().toStdString());
    const QFontMetrics metrics = list->lineEdit()->fontMetrics();
    list->showPopup();
    QApplication::processEvents();
    QAbstractItemView* view = list->view();
    for (int i = 0; i < list->count(); ++i) {
      const QString text = list->itemText(i);
      // The numbers are as wide as the last one; the words each differ.
      if (text[0].isDigit() && i + 1 < list->count() && list->itemText(i + 1)[0].isDigit())
        continue;
      SCOPED_TRACE(text.toStdString());
      EXPECT_LE(view->sizeHintForIndex(view->model()->index(i, 0)).width(),
                view->viewport()->width());
      list->setEditText(text);
      EXPECT_GE(ShownWidth(list->lineEdit()), metrics.horizontalAdvance(text));
      EXPECT_LE(list->lineEdit()->geometry().right(), list->width());
    }
    list->hidePopup();
  }
}

TEST_F(StartUp, DrawingWindowsOfferTheirRightClickMenuWhereItIsAttached) {
  struct Expected {
    DrawingForm* form;
    const char* menu;
    bool onPaintBox;
    QStringList items;
  };
  const Expected windows[] = {
      {forms->DrawWindow.get(),
       "PopupMenu1",
       true,
       {"Copy1", "N2", "SauveMetafile", "N1", "Print1"}},
      {forms->PcsDraw.get(), "PopupMenu2", false, {"Copy1", "N1", "SauveMetafile", "N2", "Print1"}},
      {forms->PlotDraw.get(),
       "PopupMenu3",
       false,
       {"Copy1", "N1", "SauveMetafile", "N2", "Print1"}},
  };
  for (const Expected& w : windows) {
    SCOPED_TRACE(w.menu);
    QMenu* menu = w.form->PopupMenu;
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), w.menu);
    QStringList names, captions;
    for (QAction* action : menu->actions()) {
      names << action->objectName();
      captions << (action->isSeparator() ? "-" : action->text());
      if (action->isSeparator()) continue;
      EXPECT_TRUE(action->isEnabled());
      EXPECT_NE(action->statusTip(), NotAvailableTip);
    }
    EXPECT_EQ(names, w.items);
    EXPECT_EQ(captions, QStringList({"Copy", "-", "Save to metafile", "-", "Print"}));

    // A right click on the drawing opens the menu whether it belongs to the paint box or to
    // the form.
    const QPoint at(20, 30);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, w.form->PaintBox1->mapToGlobal(at));
    QApplication::sendEvent(w.form->PaintBox1, &click);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    QWidget* owner = w.onPaintBox ? static_cast<QWidget*>(w.form->PaintBox1) : w.form;
    EXPECT_EQ(owner->contextMenuPolicy(), Qt::CustomContextMenu);
  }
}

}  // namespace
}  // namespace vrel::test
