// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/catalogue_form.h"
#include "ui/controls.h"

#include <QWidget>

namespace kvarnel::ui {

// The density reference's table of contents: a button per material group, one under
// another in the order of the tables.
class CatalogueWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit CatalogueWindow(QWidget *parent = nullptr);

  signals:
    // index into the reference tables, in the order of the buttons
    void tableRequested(int index);

  private:
    Controls<reference::CatalogueForm> m_controls;
};

} // namespace kvarnel::ui
