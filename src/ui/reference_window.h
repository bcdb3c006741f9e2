// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kvarnel::reference {
struct DensityTable;
}

namespace kvarnel::ui {

// A read-only window showing one density table at physical size from its top-left
// corner. Enlarging a sizable one uncovers only empty background.
class ReferenceWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit ReferenceWindow(const reference::DensityTable &table, QWidget *parent = nullptr);
};

} // namespace kvarnel::ui
