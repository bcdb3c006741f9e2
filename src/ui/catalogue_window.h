// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kvarnel::ui {

// The density reference's table of contents: one button per material group.
class CatalogueWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit CatalogueWindow(QWidget *parent = nullptr);

  signals:
    // index into the reference tables, in the order of the buttons
    void tableRequested(int index);
};

} // namespace kvarnel::ui
