// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/qt_support.h"

namespace vrel {

THelpWindow::THelpWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("Vrel Help");

  HelpBrowser = new QTextBrowser(this);
  HelpBrowser->setObjectName("HelpBrowser");
  HelpBrowser->setOpenExternalLinks(true);

  auto* contents = new QPushButton("Contents", this);
  auto* back = new QPushButton("Back", this);
  auto* forward = new QPushButton("Forward", this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this,
          [this] { HelpBrowser->setSource(QUrl(HelpContentsUrl)); });
  connect(back, &QPushButton::clicked, HelpBrowser, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, HelpBrowser, &QTextBrowser::forward);
  connect(HelpBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(HelpBrowser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(HelpBrowser);

  PlaceForm(this, 120, 90, 640, 560);
}

void THelpWindow::ShowContents() {
  HelpBrowser->setSource(QUrl(HelpContentsUrl));
  BringToFront(this);
}

}  // namespace vrel
