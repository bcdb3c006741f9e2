// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/table_painter.h"

#include <QWidget>

namespace kvarnel::reference {
struct DensityTable;
}

namespace kvarnel::ui {

// A reference window's only control: the drawn table. It takes the focus, which changes
// nothing on screen, so that a screen reader presents the table and its current cell as
// the window opens; the arrow keys, Home and End then move the current cell, which only a
// screen reader follows.
class TablePicture : public QWidget
{
    Q_OBJECT

  public:
    TablePicture(const reference::DensityTable &table, QWidget *parent);

    const reference::DensityTable &table() const { return m_table; }
    const TableLayout &layout() const { return m_layout; }
    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }

  protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

  private:
    void reportCurrentCell();

    const reference::DensityTable &m_table;
    const TableLayout m_layout; // laid out once; every paint only draws
    int m_row = 0;
    int m_column = 0;
};

} // namespace kvarnel::ui
