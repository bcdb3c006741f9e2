// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

#include <QWidget>

namespace kvarnel::ui {

// The density reference's table of contents: a button per material group, one under
// another in the order of the tables, each captioned as its table's record says.
class CatalogueWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit CatalogueWindow(QWidget *parent = nullptr);

    static const platform::WindowFrame frame; // as tall as its buttons need
    // The button that opens table `index`, Command1 for the first, and where it lies.
    static QString buttonName(int index);
    static platform::TwipRect buttonRect(int index);

  signals:
    // index into the reference tables, in the order of the buttons
    void tableRequested(int index);
};

} // namespace kvarnel::ui
