// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as the program starts, checked against the tables they are built from (the
// tables' own tests pin their contents).
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

#include "app/toolbar.h"
#include "app/windows.h"
#include "qt/about_box.h"
#include "qt/drawing_form.h"
#include "qt/log_window.h"
#include "qt/qt_frontend.h"
#include "qt/vrel_dialog.h"
#include "qt_test_support.h"
#include "shell/enabling.h"

namespace vrel::test {
namespace {

using StartUp = FormsTest;

TEST_F(StartUp, CreatesEveryWindowWithItsCaptionPlaceAndVisibility) {
  EXPECT_EQ(QApplication::applicationName(), "Vrel");
  // The drawing windows' sizes are their client areas, the sizes their drawings are made for;
  // each has a paint box filling it.
  for (std::size_t i = 0; i < DrawingWindowTable().size(); ++i) {
    const DrawingWindowInfo& info = DrawingWindowTable()[i];
    DrawingForm* form = Drawings()[i];
    SCOPED_TRACE(info.name);
    EXPECT_EQ(form->objectName(), info.name);
    EXPECT_EQ(form->windowTitle(), info.caption);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), QPoint(info.left, info.top));
    EXPECT_EQ(form->size(), QSize(info.clientWidth, info.clientHeight));
    ASSERT_NE(form->PaintBox1, nullptr);
    EXPECT_EQ(form->PaintBox1->size(), form->size());
  }
  EXPECT_EQ(forms->LogWindow->windowTitle(), "Log Window");
  EXPECT_TRUE(forms->LogWindow->isVisible());
  EXPECT_EQ(forms->LogWindow->pos(), QPoint(62, 146));
  EXPECT_EQ(forms->LogWindow->size(), QSize(586, 410));

  // The main window is the menu bar over the toolbar, with no empty band below.
  TMainForm& main = Main();
  EXPECT_EQ(main.windowTitle(), "Vrel");
  EXPECT_EQ(main.pos(), QPoint(1, -1));
  EXPECT_GE(main.width(), 649);
  EXPECT_EQ(main.ToolBar1->height(), ToolbarHeight);
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

// A menu as the user reads it: "-" is a separator, a submenu lists its items in braces.
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

// The same of a menu of the menu bar's table.
QStringList Describe(const MenuSpec& menu) {
  QStringList items;
  for (const MenuEntry& entry : menu.entries) {
    if (entry.kind == MenuEntry::Separator) {
      items << "-";
    } else if (entry.kind == MenuEntry::Submenu) {
      QStringList submenu;
      for (CommandId id : entry.submenuItems) submenu << Command(id).caption;
      items << QString(entry.caption) + "{" + submenu.join(",") + "}";
    } else {
      items << Command(entry.id).caption;
    }
  }
  return items;
}

TEST_F(StartUp, MenusHoldTheCaptionsInOrder) {
  const QList<QAction*> menus = Main().menuBar()->actions();
  ASSERT_EQ(static_cast<std::size_t>(menus.size()), MenuBar().size());
  for (std::size_t i = 0; i < MenuBar().size(); ++i) {
    const MenuSpec& spec = MenuBar()[i];
    SCOPED_TRACE(spec.name);
    EXPECT_EQ(menus[i]->text(), spec.caption);
    ASSERT_NE(menus[i]->menu(), nullptr);
    EXPECT_EQ(menus[i]->menu()->objectName(), spec.name);
    EXPECT_EQ(Describe(menus[i]->menu()), Describe(spec));
  }

  for (QAction* action : Main().findChildren<QAction*>()) {
    SCOPED_TRACE(action->text().toStdString());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
  for (const CommandInfo& command : CommandTable()) {
    SCOPED_TRACE(command.name);
    QAction* action = Main().MenuAction(command.id);
    EXPECT_EQ(action->objectName(), command.name);
    EXPECT_EQ(action->isCheckable(), MenuItemCheckable(command.id));
  }
  for (CommandId id : {CommandId::DeformationGrid, CommandId::Ellipses, CommandId::AxisTitles,
                       CommandId::AxisScales, CommandId::Legend, CommandId::LargeMarkers,
                       CommandId::NameLabels, CommandId::FitOnResize})
    EXPECT_FALSE(Main().MenuAction(id)->isChecked());
}

TEST_F(StartUp, ToolbarControlsAsTheTableHasThemEnabledAsTheSessionAllows) {
  const auto widgets = Main().ToolbarControls();
  const ToolbarEnabling enabled = ToolbarEnabled(State());
  int shift = 0;  // how far the lists to the left have grown to show their items
  for (const ToolbarControlInfo& c : ToolbarTable()) {
    SCOPED_TRACE(c.name);
    QWidget* w = widgets[static_cast<std::size_t>(c.id)];
    EXPECT_EQ(w->objectName(), c.name);
    EXPECT_EQ(w->x(), c.x + shift);
    EXPECT_EQ(w->toolTip(), c.hint);
    EXPECT_EQ(w->isEnabled(), enabled[static_cast<std::size_t>(c.id)]);
    EXPECT_LE(w->geometry().right(), w->parentWidget()->width());
    if (auto* list = qobject_cast<QComboBox*>(w)) {
      EXPECT_GE(w->width(), c.width);
      EXPECT_TRUE(list->isEditable());
      std::vector<std::string> items;
      for (int i = 0; i < list->count(); ++i) items.push_back(list->itemText(i).toStdString());
      EXPECT_EQ(items, c.items);
      EXPECT_EQ(list->currentIndex(), c.start);
    } else {
      EXPECT_EQ(w->width(), c.width);
    }
    shift += w->width() - c.width;
    if (auto* button = qobject_cast<QToolButton*>(w)) {
      EXPECT_EQ(button->height(), SpeedButtonHeight);
      EXPECT_FALSE(button->icon().isNull());
    }
    if (auto* bar = qobject_cast<QSlider*>(w)) {
      EXPECT_EQ(bar->orientation(), Qt::Horizontal);
      EXPECT_EQ(bar->minimum(), c.minimum);
      EXPECT_EQ(bar->maximum(), c.maximum);
      EXPECT_EQ(bar->value(), c.start);
      EXPECT_EQ(bar->tickInterval(), 1);
      EXPECT_EQ(bar->tickPosition(), QSlider::TicksBelow);
    }
  }
  EXPECT_GE(Main().width(), widgets.back()->mapTo(&Main(), QPoint(0, 0)).x() + SpeedButtonWidth);
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
  for (std::size_t i = 0; i < DrawingWindowTable().size(); ++i) {
    const DrawingWindowInfo& info = DrawingWindowTable()[i];
    DrawingForm* form = Drawings()[i];
    SCOPED_TRACE(info.popupName);
    QMenu* menu = form->PopupMenu;
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), info.popupName);
    QStringList names, captions, expectedNames, expectedCaptions;
    for (QAction* action : menu->actions()) {
      names << action->objectName();
      captions << (action->isSeparator() ? "-" : action->text());
      if (!action->isSeparator()) {
        EXPECT_TRUE(action->isEnabled());
      }
    }
    for (const PopupItem& item : info.popup) {
      expectedNames << item.name;
      expectedCaptions << item.caption;
    }
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(captions, expectedCaptions);

    // A right click on the drawing opens the menu whether it belongs to the paint box or to
    // the form.
    const QPoint at(20, 30);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form->PaintBox1->mapToGlobal(at));
    QApplication::sendEvent(form->PaintBox1, &click);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    QWidget* owner = info.popupOnPaintBox ? static_cast<QWidget*>(form->PaintBox1) : form;
    EXPECT_EQ(owner->contextMenuPolicy(), Qt::CustomContextMenu);
  }
}

}  // namespace
}  // namespace vrel::test
