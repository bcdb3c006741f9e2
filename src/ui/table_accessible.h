// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace kvarnel::reference {
struct DensityTable;
}

namespace kvarnel::ui {

class TableCellAccessible;
class TablePicture;

// A drawn density table as screen readers read it: a table named after its window, two
// cells to a row, and the two column headers, read cell by cell: a grade, then its density.
// A merged density is a cell in every row, spanning all the rows, so that moving up and
// down the density column moves from grade to grade.
//
// Qt's AT-SPI bridge takes child i for the cell at row i / 2, column i % 2, and uses
// whatever cellAt() returns without looking: so the cells come first, row by row, then the
// headers, and a place outside the table is answered with a cell that is nowhere.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
  public:
    explicit TableAccessible(TablePicture *picture);
    ~TableAccessible() override;

    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override; // the current cell

    QAccessibleInterface *cellAt(int row, int column) const override;
    int rowCount() const override;
    int columnCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }

    // Read-only: nothing is ever selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

    const reference::DensityTable &table() const;
    QAccessibleInterface *header(int column) const;
    const TablePicture *picture() const;

  private:
    void add(TableCellAccessible *cell);

    std::vector<TableCellAccessible *> m_children; // owned by Qt's accessibility cache
    TableCellAccessible *m_nowhere = nullptr;      // the answer for a place outside
    std::vector<QAccessible::Id> m_ids;
};

} // namespace kvarnel::ui
