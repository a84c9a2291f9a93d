// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vrel::test {

// Acts on the next modal window once it is up: the test's stand-in for the user at a dialog.
inline void WhenModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

inline void PressKey(QWidget* widget, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

// Types the text key by key, as a user would.
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    int key = c.toUpper().unicode();
    if (c == '-') key = Qt::Key_Minus;
    PressKey(widget, key, QString(c));
  }
}

}  // namespace vrel::test

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <vector>

#include "qt/application.h"
#include "qt/drawing_form.h"
#include "qt/main_form.h"
#include "qt/vrel_dialog.h"

namespace vrel::test {

// A fresh set of the program's windows for each test.
class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override { forms = std::make_unique<Forms>(); }
  void TearDown() override {
    forms.reset();
    QApplication::processEvents();
  }

  TMainForm& Main() { return *forms->MainForm; }
  Session& State() { return forms->MainForm->State(); }
  // The drawing windows in the order of their table: specimens, vectors, plot.
  std::vector<DrawingForm*> Drawings() const {
    return {forms->DrawWindow.get(), forms->PcsDraw.get(), forms->PlotDraw.get()};
  }

  std::unique_ptr<Forms> forms;
};

// A data file of the test data folder (named by the build: a source compiled by a relative
// path has a relative __FILE__, which would not lead there from the test's folder).
inline QString TestData(const QString& name) { return QString(VREL_TEST_DATA_DIR "/") + name; }

// Picks the file in the next file dialog, as a user would.
inline void ChooseInDialog(const QString& path) {
  WhenModal([path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) {
      ADD_FAILURE() << "a file dialog was expected";
      modal->close();
      return;
    }
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
  });
}

// Types the answers into the number prompts that come up next, one per prompt. Anything else
// that comes up instead is a failure, and is closed so the test goes on.
inline void AnswerPrompts(QStringList answers) {
  if (answers.isEmpty()) return;
  WhenModal([answers](QWidget* modal) mutable {
    auto* prompt = qobject_cast<TVrelDialog*>(modal);
    if (prompt == nullptr) {
      ADD_FAILURE() << "a prompt was expected, not " << modal->metaObject()->className();
      modal->close();
      return;
    }
    const QString answer = answers.takeFirst();
    AnswerPrompts(answers);
    prompt->Edit1->setText(answer);
    prompt->OKBtn->click();
  });
}

// Types the text into the text prompt that comes up next, then answers the number prompts.
inline void AnswerText(const QString& text, const QStringList& numbers) {
  WhenModal([text, numbers](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    if (prompt == nullptr) {
      ADD_FAILURE() << "a text prompt was expected, not " << modal->metaObject()->className();
      modal->close();
      return;
    }
    AnswerPrompts(numbers);
    prompt->setTextValue(text);
    prompt->accept();
  });
}

}  // namespace vrel::test
