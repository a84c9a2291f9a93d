// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/main_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <new>

#include "app/session_script.h"
#include "app/toolbar.h"
#include "graphics/view_commands.h"
#include "qt/help_window.h"
#include "qt/qt_support.h"
#include "shell/capacity.h"
#include "shell/enabling.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

constexpr const char* CommandProperty = "vrelCommand";
constexpr int ListHeight = 23;
// The main window is never narrower than this, whatever its toolbar needs.
constexpr int MainFormMinimumWidth = 649;
// A line edit keeps this many pixels free on either side of its text, and one for the cursor.
constexpr int LineEditTextMargin = 2;

QToolButton* SpeedButton(QWidget* parent, const ToolbarControlInfo& info) {
  auto* button = new QToolButton(parent);
  button->setAutoRaise(true);
  button->setIconSize(QSize(16, 16));
  button->setGeometry(info.x, (ToolbarHeight - SpeedButtonHeight) / 2, info.width,
                      SpeedButtonHeight);
  return button;
}

// An editable list whose drop-down is fitted to its items when it first opens: measuring 300
// items need not hold up the start.
class ListBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  void showPopup() override {
    if (!fitted_) FitDropDown(this);
    fitted_ = true;
    QComboBox::showPopup();
  }

 private:
  bool fitted_ = false;
};

QComboBox* ListCombo(QWidget* parent, const ToolbarControlInfo& info) {
  auto* combo = new ListBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QStringList items;
  for (const std::string& item : info.items) items << QString::fromStdString(item);
  combo->addItems(items);  // in one insertion: one by one, each makes the model signal
  combo->setCurrentIndex(info.start);
  combo->setGeometry(info.x, (ToolbarHeight - ListHeight) / 2, info.width, ListHeight);
  return combo;
}

QSlider* TrackBar(QWidget* parent, const ToolbarControlInfo& info) {
  auto* bar = new QSlider(Qt::Horizontal, parent);
  bar->setRange(info.minimum, info.maximum);
  bar->setValue(info.start);
  bar->setTickInterval(1);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  bar->setGeometry(info.x, 0, info.width, ToolbarHeight);
  return bar;
}

int LongestItem(const QComboBox* combo) {
  const QFontMetrics metrics = combo->fontMetrics();
  int longest = 0;
  for (int i = 0; i < combo->count(); ++i)
    longest = std::max(longest, metrics.horizontalAdvance(combo->itemText(i)));
  return longest;
}

// The width at which the list's edit field shows its longest item whole: the text, the line
// edit's margins, and what the style takes for the frame and the drop-down arrow.
int WidthForItems(const QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = true;
  option.frame = true;
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, combo);
  const int chrome = option.rect.width() - field.width();
  const QMargins margins = combo->lineEdit()->textMargins();
  return LongestItem(combo) + margins.left() + margins.right() + 2 * LineEditTextMargin + 1 +
         chrome;
}

}  // namespace

TMainForm::TMainForm(int failAtAllocation, Capacity capacity) {
  setObjectName("MainForm");
  setWindowTitle("Vrel");
  BuildMenus();
  BuildToolbar();
  FitToStrip();

  try {
    session_ = std::make_unique<Session>(capacity, failAtAllocation);
  } catch (const std::bad_alloc&) {
    // Without its arrays no command can work: say so and end the program.
    QMessageBox box(QMessageBox::NoIcon, QString(), "Not enough memory", QMessageBox::Ok);
    box.exec();
    std::exit(EXIT_FAILURE);
  }
}

TMainForm::~TMainForm() = default;

void TMainForm::AttachWindows(FrontendWidgets windows) {
  windows.dialogParent = this;
  windows.controls = controls_;
  windows.help = [this] { ShowHelp(); };
  windows.listItemsChanged = [this] { ListItemsChanged(); };
  frontend_ = std::make_unique<QtFrontend>(std::move(windows));
  // A session that holds more specimens than the default lists every one of them.
  if (session_->Room.Specimens != MaxSpecimens)
    frontend_->SetComboItems(Combo::Indi, SpecimenListItems(*session_));
  // A session started at another capacity says so, as a change of capacity does.
  if (session_->Room != Capacity{}) frontend_->AppendLog(CapacityLogLine(session_->Room));
  ActiverBoutons(*session_, *frontend_);
}

// The item a list shows: the chosen one, or the one whose text was typed (-1: none).
int TMainForm::ShownItem(const QComboBox* combo) {
  const int current = combo->currentIndex();
  if (current >= 0 && combo->itemText(current) == combo->currentText()) return current;
  return combo->findText(combo->currentText(), Qt::MatchExactly);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress)
    for (const ToolbarControlInfo& info : ToolbarTable()) {
      auto* combo = qobject_cast<QComboBox*>(controls_[static_cast<std::size_t>(info.id)]);
      if (info.keyHandler == nullptr || combo == nullptr || watched != combo) continue;
      const int key = ArrowKey(static_cast<QKeyEvent*>(event)->key());
      if (key == KeyLeft || key == KeyRight)
        Run([&](Session& s, Frontend& fe) {
          PerformListKey(s, fe, info.id, ShownItem(combo), key);
        });
    }
  // The key goes on to the list as usual.
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  for (const MenuSpec& menuInfo : MenuBar()) {
    QMenu* menu = bar->addMenu(menuInfo.caption);
    menu->setObjectName(menuInfo.name);
    menu->setToolTipsVisible(true);
    for (const MenuEntry& entry : menuInfo.entries) {
      switch (entry.kind) {
        case MenuEntry::Item:
          AddCommand(menu, entry.id);
          break;
        case MenuEntry::Separator:
          menu->addSeparator();
          break;
        case MenuEntry::Submenu: {
          QMenu* submenu = menu->addMenu(entry.caption);
          submenu->setObjectName(entry.name);
          submenu->setToolTipsVisible(true);
          for (CommandId id : entry.submenuItems) AddCommand(submenu, id);
          break;
        }
      }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
  }
}

QAction* TMainForm::AddCommand(QMenu* menu, CommandId id) {
  const CommandInfo& info = Command(id);
  QAction* action = menu->addAction(info.caption);
  action->setObjectName(info.name);
  action->setProperty(CommandProperty, static_cast<int>(id));
  action->setCheckable(MenuItemCheckable(id));
  action->setToolTip(action->text().remove('&'));
  connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
  actions_[id] = action;
  return action;
}

void TMainForm::UpdateMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (QMenu* submenu = action->menu()) {
      UpdateMenu(submenu);
      continue;
    }
    const QVariant property = action->property(CommandProperty);
    if (!property.isValid()) continue;
    const auto id = static_cast<CommandId>(property.toInt());
    action->setEnabled(MenuItemEnabled(*session_, id));
    if (action->isCheckable()) action->setChecked(MenuItemChecked(*session_, id));
  }
}

QAction* TMainForm::MenuAction(CommandId id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* TMainForm::Menu(const QString& name) const { return menuBar()->findChild<QMenu*>(name); }

void TMainForm::Run(const Handler& handler) {
  if (running_) return;
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
  } running(running_);
  // Whatever the command changes, the windows draw again from the session.
  struct Forget {
    QtFrontend* frontend;
    ~Forget() {
      if (frontend != nullptr) frontend->ForgetDrawingImages();
    }
  } forget{frontend_.get()};
  handler(*session_, *frontend_);
}

void TMainForm::RunCommand(CommandId id) {
  Run([id](Session& s, Frontend& fe) { PerformCommand(s, fe, id); });
}

void TMainForm::RunControl(ToolbarControl control, int value) {
  emit ControlUsed(control, value);
  Run([&](Session& s, Frontend& fe) { PerformControl(s, fe, control, value); });
}

void TMainForm::BuildToolbar() {
  ToolBar1 = addToolBar("ToolBar1");
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
  ToolBar1->setContentsMargins(0, 0, 0, 0);
  ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);

  // The controls sit at fixed x positions, so they share one plain strip. A list that needs
  // more room than its place to show its longest item grows, and moves the controls to its
  // right along.
  strip_ = new QWidget(ToolBar1);
  strip_->setObjectName("ToolBarStrip");
  for (const ToolbarControlInfo& info : ToolbarTable()) {
    QWidget* widget = nullptr;
    switch (info.kind) {
      case ControlKind::SpeedButton: {
        auto* button = SpeedButton(strip_, info);
        connect(button, &QToolButton::clicked, this, [this, id = info.id] { RunControl(id, 0); });
        widget = button;
        break;
      }
      case ControlKind::ComboBox: {
        auto* combo = ListCombo(strip_, info);
        connect(combo, &QComboBox::activated, this,
                [this, id = info.id](int index) { RunControl(id, index); });
        if (info.keyHandler != nullptr) combo->installEventFilter(this);
        widget = combo;
        break;
      }
      case ControlKind::TrackBar: {
        auto* bar = TrackBar(strip_, info);
        connect(bar, &QSlider::valueChanged, this,
                [this, id = info.id](int position) { RunControl(id, position); });
        widget = bar;
        break;
      }
    }
    widget->setObjectName(info.name);
    widget->setToolTip(info.hint);
    controls_[static_cast<std::size_t>(info.id)] = widget;
  }
  LayOutStrip();
  ToolBar1->addWidget(strip_);

  auto control = [this](ToolbarControl id) { return controls_[static_cast<std::size_t>(id)]; };
  using T = ToolbarControl;
  BoutonGpa = qobject_cast<QToolButton*>(control(T::BoutonGpa));
  BoutonPcs = qobject_cast<QToolButton*>(control(T::BoutonPcs));
  BoutonZoomPlus = qobject_cast<QToolButton*>(control(T::BoutonZoomPlus));
  BoutonZoomMoins = qobject_cast<QToolButton*>(control(T::BoutonZoomMoins));
  BoutonUp = qobject_cast<QToolButton*>(control(T::BoutonUp));
  BoutonRight = qobject_cast<QToolButton*>(control(T::BoutonRight));
  BoutonAll = qobject_cast<QToolButton*>(control(T::BoutonAll));
  ComboBoxIndi = qobject_cast<QComboBox*>(control(T::ComboBoxIndi));
  TrackBar1 = qobject_cast<QSlider*>(control(T::TrackBar1));
  ComboBoxComp = qobject_cast<QComboBox*>(control(T::ComboBoxComp));
  BoutonPlot = qobject_cast<QToolButton*>(control(T::BoutonPlot));
  ComboXaxis = qobject_cast<QComboBox*>(control(T::ComboXaxis));
  ComboYaxis = qobject_cast<QComboBox*>(control(T::ComboYaxis));
  BoutonLabel = qobject_cast<QToolButton*>(control(T::BoutonLabel));
}

void TMainForm::LayOutStrip() {
  int shift = 0;
  int right = 0;
  for (const ToolbarControlInfo& info : ToolbarTable()) {
    QWidget* widget = controls_[static_cast<std::size_t>(info.id)];
    widget->move(info.x + shift, widget->y());
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      const int width = std::max(info.width, WidthForItems(combo));
      shift += width - info.width;
      combo->resize(width, combo->height());
    }
    right = std::max(right, widget->geometry().right() + 1);
  }
  strip_->setFixedSize(right, ToolbarHeight);
}

void TMainForm::ListItemsChanged() {
  LayOutStrip();
  const int width = std::max(MainFormMinimumWidth, ToolBar1->sizeHint().width());
  setMinimumWidth(width);
  if (this->width() < width) resize(width, height());
}

void TMainForm::DrawGlyphs() {
  for (const ToolbarControlInfo& info : ToolbarTable())
    if (auto* button = qobject_cast<QToolButton*>(controls_[static_cast<std::size_t>(info.id)]))
      button->setIcon(SvgIcon(QString(":/toolbar/") + info.glyph + ".svg", 16));
}

// The main window is the menu bar over the toolbar and nothing else: no empty band below.
void TMainForm::FitToStrip() {
  const int width = std::max(MainFormMinimumWidth, ToolBar1->sizeHint().width());
  const int height = menuBar()->sizeHint().height() + ToolBar1->sizeHint().height();
  setFixedHeight(height);
  setMinimumWidth(width);
  PlaceForm(this, 1, -1, width, height);
}

void TMainForm::ShowHelp() {
  if (!help_) help_ = std::make_unique<THelpWindow>();
  help_->ShowContents();
}

void TMainForm::FormClose() {
  if (help_) help_->close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace vrel
