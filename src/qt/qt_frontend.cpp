// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_frontend.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "qt/about_box.h"
#include "qt/drawing_form.h"
#include "qt/log_window.h"
#include "qt/qt_support.h"
#include "qt/vrel_dialog.h"
#include "shell/file_dialogs.h"

namespace vrel {

namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// The main window is a strip at the top of the screen: dialogs centred on it would hang off
// the top, so they are centred on the screen instead.
void CentreOnScreen(QWidget* dialog) {
  QScreen* screen = dialog->screen();
  if (screen == nullptr) return;
  QRect frame(QPoint(0, 0), dialog->size());
  frame.moveCenter(screen->availableGeometry().center());
  dialog->move(frame.topLeft());
}

// Runs a plain window modally: the rest of the program waits until it is hidden.
class ModalRun : public QObject {
 public:
  explicit ModalRun(QWidget* window) : window_(window) {}

  void Exec() {
    const Qt::WindowModality before = window_->windowModality();
    const bool wasVisible = window_->isVisible();
    if (wasVisible) window_->hide();  // modality only takes effect when shown anew
    window_->setWindowModality(Qt::ApplicationModal);
    window_->installEventFilter(this);
    BringToFront(window_);
    loop_.exec();
    window_->removeEventFilter(this);
    window_->setWindowModality(before);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Hide) loop_.quit();
    return false;
  }

 private:
  QWidget* window_;
  QEventLoop loop_;
};

}  // namespace

QString QtFileFilter(const char* filter) {
  const QStringList parts = QString(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    if (description.contains('('))
      entries << description;
    else
      entries << QString("%1 (%2)").arg(description, patterns.simplified());
  }
  return entries.join(";;");
}

QMessageBox::Icon QtMessageIcon(Icon icon) {
  switch (icon) {
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QtFrontend::QtFrontend(FrontendWidgets widgets)
    : widgets_(std::move(widgets)), quit_([] { std::exit(0); }) {}

QtFrontend::~QtFrontend() = default;

DrawingForm* QtFrontend::Drawing(Window window) const {
  for (DrawingForm* form : widgets_.drawings)
    if (form->Window() == window) return form;
  return nullptr;
}

QWidget* QtFrontend::WindowWidget(Window window) const {
  if (window == Window::Log) return widgets_.log;
  if (window == Window::About) return widgets_.about;
  return Drawing(window);
}

QComboBox* QtFrontend::ComboWidget(Combo combo) const {
  using T = ToolbarControl;
  static constexpr T lists[] = {T::ComboBoxIndi, T::ComboBoxComp, T::ComboXaxis, T::ComboYaxis};
  return static_cast<QComboBox*>(
      widgets_.controls[static_cast<std::size_t>(lists[static_cast<int>(combo)])]);
}

int QtFrontend::AskNumber(const std::string& question) {
  return widgets_.prompt->Ask(FromStd(question));
}

std::optional<std::string> QtFrontend::AskText(const std::string& question) {
  // The last answer is offered again, so that a model is easily changed by a term.
  QInputDialog box(widgets_.dialogParent);
  box.setObjectName("TextPrompt");
  box.setWindowTitle("Vrel");
  box.setInputMode(QInputDialog::TextInput);
  box.setLabelText(FromStd(question));
  box.setTextValue(lastText_);
  box.resize(std::max(box.sizeHint().width(), 480), box.sizeHint().height());
  CentreOnScreen(&box);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  lastText_ = box.textValue();
  return lastText_.toStdString();
}

std::optional<std::string> QtFrontend::ChooseFile(FileDialog dialog) {
  const FileDialogSpec& layout = DialogSpec(dialog);
  QFileDialog box(widgets_.dialogParent);
  box.setObjectName(layout.name);
  box.setAcceptMode(layout.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(layout.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (layout.title[0] != '\0') box.setWindowTitle(layout.title);
  box.setNameFilter(QtFileFilter(layout.filter));
  box.setOption(QFileDialog::DontConfirmOverwrite, !layout.overwritePrompt);
  box.setOption(QFileDialog::ReadOnly, false);
  // A name typed without an extension takes the chosen filter's ("scores" under CSV is
  // scores.csv); any other name is used as typed.
  const auto suffixOf = [&box, &layout](const QString& chosen) {
    return QString::fromStdString(
        FilterExtension(layout.filter, static_cast<int>(box.nameFilters().indexOf(chosen))));
  };
  if (layout.save) {
    box.setDefaultSuffix(suffixOf(box.selectedNameFilter()));
    QObject::connect(&box, &QFileDialog::filterSelected, &box,
                     [&box, suffixOf](const QString& f) { box.setDefaultSuffix(suffixOf(f)); });
  } else {
    box.setDefaultSuffix(QString());
  }
  if (!lastDirectory_.isEmpty()) box.setDirectory(lastDirectory_);
  CentreOnScreen(&box);
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  QString path = QFileInfo(box.selectedFiles().first()).absoluteFilePath();
  // A dialog of the desktop's own may not have added it.
  const QString suffix = layout.save ? suffixOf(box.selectedNameFilter()) : QString();
  if (!suffix.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += "." + suffix;
  lastDirectory_ = QFileInfo(path).absolutePath();
  return QFile::encodeName(path).toStdString();
}

void QtFrontend::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
  const QString title = caption.empty() ? QCoreApplication::applicationName() : FromStd(caption);
  QMessageBox box(QtMessageIcon(icon), title, FromStd(text), QMessageBox::Ok,
                  widgets_.dialogParent);
  box.adjustSize();
  CentreOnScreen(&box);
  box.exec();
}

bool QtFrontend::AskYesNo(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), FromStd(question),
                  QMessageBox::Yes | QMessageBox::No, widgets_.dialogParent);
  box.setDefaultButton(QMessageBox::Yes);
  box.adjustSize();
  CentreOnScreen(&box);
  return box.exec() == QMessageBox::Yes;
}

void QtFrontend::AppendLog(const std::string& line) { widgets_.log->AddLine(FromStd(line)); }

void QtFrontend::ClearLog() { widgets_.log->Clear(); }

void QtFrontend::ShowWindow(Window window) {
  BringToFront(WindowWidget(window));
  if (DrawingForm* form = Drawing(window)) form->MarkInFront();
}

Window QtFrontend::FrontShapeWindow() {
  const DrawingForm* specimens = Drawing(Window::Specimens);
  const DrawingForm* vectors = Drawing(Window::Vectors);
  if (specimens == nullptr || vectors == nullptr)
    return specimens == nullptr && vectors != nullptr ? Window::Vectors : Window::Specimens;
  return vectors->InFrontSince() > specimens->InFrontSince() ? Window::Vectors : Window::Specimens;
}

std::array<int, 2> QtFrontend::DrawingSize(Window window) {
  const DrawingForm* form = Drawing(window);
  if (form == nullptr) return {0, 0};
  return {form->PaintBox1->width(), form->PaintBox1->height()};
}

void QtFrontend::HideWindow(Window window) {
  if (QWidget* widget = WindowWidget(window)) widget->hide();
}

bool QtFrontend::IsWindowVisible(Window window) {
  QWidget* widget = WindowWidget(window);
  return widget != nullptr && widget->isVisible();
}

void QtFrontend::ShowModal(Window window) {
  QWidget* widget = WindowWidget(window);
  if (widget == nullptr) return;
  if (auto* dialog = qobject_cast<QDialog*>(widget)) {
    dialog->exec();
    return;
  }
  ModalRun(widget).Exec();
}

void QtFrontend::ForgetDrawingImages() {
  for (DrawingForm* form : widgets_.drawings)
    if (form != nullptr) form->ForgetImage();
}

void QtFrontend::Invalidate(Window window) {
  if (DrawingForm* form = Drawing(window)) {
    form->ForgetImage();
    form->PaintBox1->update();
  } else if (window == Window::Log)
    widgets_.log->MemoVrel->viewport()->update();
  else if (window == Window::About)
    widgets_.about->update();
}

void QtFrontend::ClearPicture(Window window) {
  if (DrawingForm* form = Drawing(window)) form->ClearPicture();
}

void QtFrontend::SetComboIndex(Combo combo, int index) {
  QComboBox* box = ComboWidget(combo);
  box->setCurrentIndex(index);
  // An editable list keeps typed text; make it show the chosen item.
  box->setEditText(index >= 0 && index < box->count() ? box->itemText(index) : QString());
}

void QtFrontend::SetComboText(Combo combo, const std::string& text) {
  ComboWidget(combo)->setEditText(FromStd(text));
}

void QtFrontend::SetComboItems(Combo combo, const std::vector<std::string>& items) {
  QComboBox* box = ComboWidget(combo);
  const int shown = box->currentIndex();
  const QString typed = box->currentText();
  QStringList texts;
  for (const std::string& item : items) texts << FromStd(item);
  {
    // Only a user's choice runs the list's handler.
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(texts);
    box->setCurrentIndex(shown < box->count() ? shown : -1);
    box->setEditText(shown >= 0 && shown < box->count() ? box->itemText(shown) : typed);
  }
  FitDropDown(box);
  if (widgets_.listItemsChanged) widgets_.listItemsChanged();
}

void QtFrontend::SetTrackBarPosition(int position) {
  // The port only sets the bar: the change handler runs for the user's moves alone.
  auto* bar =
      static_cast<QSlider*>(widgets_.controls[static_cast<std::size_t>(ToolbarControl::TrackBar1)]);
  const QSignalBlocker quiet(bar);
  bar->setValue(position);
}

void QtFrontend::SetToolbarEnabled(const ToolbarEnabling& enabled) {
  for (int i = 0; i < ToolbarControlCount; ++i) widgets_.controls[i]->setEnabled(enabled[i]);
}

bool QtFrontend::Progress(const ProgressReport& report) {
  const long done = report.done;
  const long total = report.total;
  // The run is over (or there is nothing to show): the dialog goes, so that the next run
  // starts with a new one.
  if (report.finished || total <= 0) {
    progress_.reset();
    return true;
  }
  if (!progress_) {
    progressScale_ = total > INT_MAX ? total / INT_MAX + 1 : 1;
    progress_ = std::make_unique<QProgressDialog>("Computing...", "Cancel", 0,
                                                  static_cast<int>(total / progressScale_),
                                                  widgets_.dialogParent);
    progress_->setObjectName("ProgressDialog");
    progress_->setWindowTitle(QCoreApplication::applicationName());
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setMinimumDuration(1000);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
  }
  progress_->setValue(static_cast<int>(done / progressScale_));
  QCoreApplication::processEvents();
  // The dialog stays until the run's final report, which closes it.
  return !progress_->wasCanceled();
}

void QtFrontend::ShowHelp() { widgets_.help(); }

void QtFrontend::QuitProgram() { quit_(); }

}  // namespace vrel
