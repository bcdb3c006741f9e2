// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_accessible.h"

#include "reference/density_table.h"
#include "ui/table_picture.h"

#include <algorithm>

namespace kvarnel::ui {

namespace {

constexpr int headerRow = -1;

} // namespace

// A header (row -1) or a data cell of the table.
class TableCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
  public:
    TableCellAccessible(TableAccessible *table, int row, int column, QString text)
        : m_table(table), m_row(row), m_column(column), m_text(std::move(text))
    {
    }

    bool isValid() const override { return m_table->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table->window(); }
    QAccessibleInterface *parent() const override { return m_table; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_text : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        return m_table->picture()
            ->layout()
            .cellRect(m_row, m_column)
            .translated(m_table->rect().topLeft());
    }

    QAccessible::Role role() const override
    {
        return m_row == headerRow ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = m_table->state();
        state.focused = state.focused && m_table->focusChild() == this;
        state.focusable = m_row != headerRow;
        state.selectable = false;
        state.readOnly = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        // A header is not a cell of the table's rows, just as the bridge expects.
        if (type == QAccessible::TableCellInterface && m_row != headerRow)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        return {m_table->header(m_column)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override
    {
        const bool merged = m_column == 1 && m_table->table().merged;
        return merged ? static_cast<int>(m_table->table().rows.size()) : 1;
    }
    QAccessibleInterface *table() const override { return m_table; }

  private:
    TableAccessible *m_table;
    int m_row;
    int m_column;
    QString m_text;
};

TableAccessible::TableAccessible(TablePicture *picture)
    : QAccessibleWidget(picture, QAccessible::Table)
{
    const reference::DensityTable &table = picture->table();
    const auto add = [this](int row, int column, std::string_view text) {
        auto *cell = new TableCellAccessible(this, row, column, QString::fromUtf8(text));
        m_ids.push_back(QAccessible::registerAccessibleInterface(cell));
        m_children.push_back(cell);
    };
    add(headerRow, 0, table.header.grade);
    add(headerRow, 1, table.header.density);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const int row = static_cast<int>(i);
        add(row, 0, table.rows[i].grade);
        if (!table.merged)
            add(row, 1, table.rows[i].density);
        else if (i == 0)
            add(row, 1, table.merged->text);
    }
}

TableAccessible::~TableAccessible()
{
    // By their ids: when the program ends, Qt may have deleted the cells already.
    for (QAccessible::Id id : m_ids)
        QAccessible::deleteAccessibleInterface(id);
}

void *TableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *TableAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return m_children[static_cast<std::size_t>(index)];
}

int TableAccessible::childCount() const
{
    return static_cast<int>(m_children.size());
}

int TableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto found = std::find(m_children.begin(), m_children.end(), child);
    return found == m_children.end() ? -1 : static_cast<int>(found - m_children.begin());
}

QAccessibleInterface *TableAccessible::childAt(int x, int y) const
{
    for (TableCellAccessible *cell : m_children) {
        if (cell->rect().contains(x, y))
            return cell;
    }
    return nullptr;
}

QAccessibleInterface *TableAccessible::focusChild() const
{
    return cellAt(picture()->currentRow(), picture()->currentColumn());
}

QAccessibleInterface *TableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    if (column == 1 && table().merged)
        row = 0;
    for (TableCellAccessible *cell : m_children) {
        if (cell->role() == QAccessible::Cell && cell->rowIndex() == row &&
            cell->columnIndex() == column)
            return cell;
    }
    return nullptr;
}

int TableAccessible::rowCount() const
{
    return static_cast<int>(table().rows.size());
}

int TableAccessible::columnCount() const
{
    return 2;
}

QString TableAccessible::columnDescription(int column) const
{
    const QAccessibleInterface *cell = header(column);
    return cell ? cell->text(QAccessible::Name) : QString();
}

const reference::DensityTable &TableAccessible::table() const
{
    return picture()->table();
}

const TablePicture *TableAccessible::picture() const
{
    return static_cast<const TablePicture *>(widget());
}

QAccessibleInterface *TableAccessible::header(int column) const
{
    return column == 0 || column == 1 ? m_children[static_cast<std::size_t>(column)] : nullptr;
}

} // namespace kvarnel::ui
