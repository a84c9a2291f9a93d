#include "qt/main_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <new>

#include "qt/help_window.h"
#include "qt/qt_frontend.h"
#include "qt/qt_support.h"
#include "shell/enabling.h"

namespace vrel {

namespace {

constexpr int ToolbarHeight = 29;
constexpr int ButtonHeight = 21;
constexpr int ButtonWidth = 23;
constexpr const char* CommandProperty = "vrelCommand";

QToolButton* SpeedButton(QWidget* parent, const char* name, int x, const char* hint,
                         const char* glyph) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setIcon(SvgIcon(QString(":/toolbar/") + glyph + ".svg", 16));
  button->setIconSize(QSize(16, 16));
  button->setGeometry(x, (ToolbarHeight - ButtonHeight) / 2, ButtonWidth, ButtonHeight);
  return button;
}

QComboBox* ListCombo(QWidget* parent, const char* name, int x, int width, const char* hint,
                     const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setToolTip(hint);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  combo->setGeometry(x, (ToolbarHeight - 23) / 2, width, 23);
  return combo;
}

QStringList Numbers(int last) {
  QStringList items;
  for (int i = 1; i <= last; ++i) items << QString::number(i);
  return items;
}

}  // namespace

TMainForm::TMainForm(int failAtAllocation) {
  setObjectName("MainForm");
  setWindowTitle("Vrel");
  BuildMenus();
  BuildToolbar();
  PlaceForm(this, 1, -1, 649, 76);

  try {
    session_ = std::make_unique<Session>(failAtAllocation);
  } catch (const std::bad_alloc&) {
    // Without its arrays no command can work: say so and end the program.
    QMessageBox box(QMessageBox::NoIcon, QString(), "Not enough memory", QMessageBox::Ok);
    box.exec();
    std::exit(EXIT_FAILURE);
  }
  frontend_ = std::make_unique<QtFrontend>(*this);
  ActiverBoutons(*session_, *frontend_);
}

TMainForm::~TMainForm() = default;

void TMainForm::AttachForms(const FormSet& forms) { frontend_->SetForms(forms); }

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
  action->setCheckable(id == CommandId::OptionColor || id == CommandId::Enveloppe);
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
    // Commands still being built show that they are not there yet.
    const bool available = Command(id).handler != nullptr;
    action->setStatusTip(available ? QString() : NotAvailableTip);
    action->setToolTip(available ? action->text().remove('&') : NotAvailableTip);
  }
}

QAction* TMainForm::MenuAction(CommandId id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* TMainForm::Menu(const QString& name) const { return menuBar()->findChild<QMenu*>(name); }

void TMainForm::RunCommand(CommandId id) {
  const CommandHandler handler = Command(id).handler;
  if (handler == nullptr || running_) return;
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
  } running(running_);
  handler(*session_, *frontend_);
}

void TMainForm::BuildToolbar() {
  ToolBar1 = addToolBar("ToolBar1");
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
  ToolBar1->setContentsMargins(0, 0, 0, 0);
  ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);

  // The controls sit at fixed x positions, so they share one plain strip.
  auto* strip = new QWidget(ToolBar1);
  strip->setObjectName("ToolBarStrip");
  strip->setFixedSize(586, ToolbarHeight);

  BoutonGpa = SpeedButton(strip, "BoutonGpa", 0, "Compute superimposition", "gpa");
  BoutonPcs = SpeedButton(strip, "BoutonPcs", 25, "Compute components", "pcs");
  BoutonZoomPlus = SpeedButton(strip, "BoutonZoomPlus", 50, "Enlargement", "zoom_plus");
  BoutonZoomMoins = SpeedButton(strip, "BoutonZoomMoins", 75, "Reduction", "zoom_minus");
  BoutonUp = SpeedButton(strip, "BoutonUp", 100, "Rotate up", "rotate_up");
  BoutonRight = SpeedButton(strip, "BoutonRight", 125, "Rotate right", "rotate_right");
  BoutonAll = SpeedButton(strip, "BoutonAll", 150, "Superimposed specimens", "all");
  ComboBoxIndi = ListCombo(strip, "ComboBoxIndi", 173, 55, "Specimen selection", Numbers(300));

  TrackBar1 = new QSlider(Qt::Horizontal, strip);
  TrackBar1->setObjectName("TrackBar1");
  TrackBar1->setToolTip("Shape change magnitude");
  TrackBar1->setRange(-10, 10);
  TrackBar1->setValue(DefaultTrackBarPosition);
  TrackBar1->setTickInterval(1);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setSingleStep(1);
  TrackBar1->setPageStep(1);
  TrackBar1->setGeometry(228, 0, 150, ToolbarHeight);

  QStringList vectors = Numbers(97);
  vectors << "Regres"
          << "Discrim";
  ComboBoxComp = ListCombo(strip, "ComboBoxComp", 378, 58, "Vector selection", vectors);
  BoutonPlot = SpeedButton(strip, "BoutonPlot", 436, "Plot scores", "plot");
  QStringList columns = Numbers(96);
  columns << "Cs/Fac"
          << "Regres"
          << "Discrim";
  ComboXaxis = ListCombo(strip, "ComboXaxis", 461, 51, "X-axis", columns);
  ComboYaxis = ListCombo(strip, "ComboYaxis", 512, 51, "Y-axis", columns);
  BoutonLabel = SpeedButton(strip, "BoutonLabel", 563, "Labels", "labels");

  // Nothing chosen yet; the axis lists start on the first two score columns.
  ComboBoxIndi->setCurrentIndex(-1);
  ComboBoxComp->setCurrentIndex(-1);
  ComboXaxis->setCurrentIndex(0);
  ComboYaxis->setCurrentIndex(1);

  ToolBar1->addWidget(strip);

  connect(BoutonGpa, &QToolButton::clicked, this, &TMainForm::GpaClick);
  connect(BoutonPcs, &QToolButton::clicked, this, &TMainForm::PcsClick);
  connect(BoutonZoomPlus, &QToolButton::clicked, this, &TMainForm::BoutonZoomPlusClick);
  connect(BoutonZoomMoins, &QToolButton::clicked, this, &TMainForm::BoutonZoomMoinsClick);
  connect(BoutonUp, &QToolButton::clicked, this, &TMainForm::BoutonUpClick);
  connect(BoutonRight, &QToolButton::clicked, this, &TMainForm::BoutonRightClick);
  connect(BoutonAll, &QToolButton::clicked, this, &TMainForm::ViewAllClick);
  connect(ComboBoxIndi, &QComboBox::activated, this, &TMainForm::ComboBoxIndiClick);
  connect(TrackBar1, &QSlider::valueChanged, this, &TMainForm::TrackBar1Change);
  connect(ComboBoxComp, &QComboBox::activated, this, &TMainForm::ComboBoxCompClick);
  connect(BoutonPlot, &QToolButton::clicked, this, &TMainForm::ViewPlotClick);
  connect(ComboXaxis, &QComboBox::activated, this, &TMainForm::ViewPlotClick);
  connect(ComboYaxis, &QComboBox::activated, this, &TMainForm::ViewPlotClick);
  connect(BoutonLabel, &QToolButton::clicked, this, &TMainForm::BoutonLabelClick);
}

std::array<QWidget*, ToolbarControlCount> TMainForm::ToolbarControls() const {
  return {BoutonGpa,   BoutonPcs,  BoutonZoomPlus, BoutonZoomMoins, BoutonUp,
          BoutonRight, BoutonAll,  ComboBoxIndi,   TrackBar1,       ComboBoxComp,
          BoutonPlot,  ComboXaxis, ComboYaxis,     BoutonLabel};
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
