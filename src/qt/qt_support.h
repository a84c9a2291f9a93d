// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace vrel {

// Registers the program's compiled-in resources (icons, glyphs, help pages). The resources
// live in a static library, so they must be pulled in explicitly.
void InitResources();

// Renders one of the bundled SVG pictures at the given size.
QPixmap SvgPixmap(const QString& resource, int width, int height);
QIcon SvgIcon(const QString& resource, int size);

// Places a top-level window: its frame at (left, top) and its size as given.
void PlaceForm(QWidget* form, int left, int top, int width, int height);

// The program's code of an arrow key (Left, Up, Right, Down), or 0 for any other key.
int ArrowKey(int qtKey);

// Shows a window if hidden and brings it to the front.
void BringToFront(QWidget* form);

// The drop-down list is at least as wide as its longest item, so that none is cut short.
void FitDropDown(QComboBox* combo);

}  // namespace vrel
