// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_accessible.h"

#include "reference/density_table.h"
#include "ui/table_picture.h"

#include <algorithm>

namespace kvarnel::ui {

namespace {

constexpr int headerRow = -1;
constexpr int columns = 2;

} // namespace

// A header (row -1), a cell of the table, or the cell that is nowhere (column -1): no
// text, no place, no extent.
class TableCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
  public:
    TableCellAccessible(TableAccessible *table, int row, int column, QString text, int rowSpan)
        : m_table(table), m_row(row), m_column(column), m_text(std::move(text)), m_rowSpan(rowSpan)
    {
    }

    bool isValid() const override { return !isNowhere() && m_table->isValid(); }
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
        if (isNowhere())
            return {};
        return m_table->picture()
            ->layout()
            .cellRect(m_row, m_column)
            .translated(m_table->rect().topLeft());
    }

    QAccessible::Role role() const override
    {
        if (isNowhere())
            return QAccessible::NoRole;
        return isHeader() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (isNowhere()) {
            state.invalid = true;
            return state;
        }
        state = m_table->state();
        state.focused = state.focused && m_table->focusChild() == this;
        state.focusable = !isHeader();
        state.selectable = false;
        state.readOnly = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        // A header is not a cell of the table's rows, just as the bridge expects.
        if (type == QAccessible::TableCellInterface && !isHeader())
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (isNowhere())
            return {};
        return {m_table->header(m_column)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return isNowhere() ? 0 : 1; }
    int rowExtent() const override { return m_rowSpan; }
    QAccessibleInterface *table() const override { return m_table; }

  private:
    bool isNowhere() const { return m_column < 0; }
    bool isHeader() const { return m_row == headerRow && !isNowhere(); }

    TableAccessible *m_table;
    int m_row;
    int m_column;
    QString m_text;
    int m_rowSpan;
};

TableAccessible::TableAccessible(TablePicture *picture)
    : QAccessibleWidget(picture, QAccessible::Table)
{
    const reference::DensityTable &table = picture->table();
    const int rows = static_cast<int>(table.rows.size());
    const auto text = [](std::string_view utf8) { return QString::fromUtf8(utf8); };
    for (int row = 0; row < rows; ++row) {
        const reference::GradeRow &grade = table.rows[static_cast<std::size_t>(row)];
        add(new TableCellAccessible(this, row, 0, text(grade.grade), 1));
        if (table.merged)
            add(new TableCellAccessible(this, row, 1, text(table.merged->text), rows));
        else
            add(new TableCellAccessible(this, row, 1, text(grade.density), 1));
    }
    add(new TableCellAccessible(this, headerRow, 0, text(table.header.grade), 1));
    add(new TableCellAccessible(this, headerRow, 1, text(table.header.density), 1));
    m_nowhere = new TableCellAccessible(this, headerRow, -1, {}, 0);
    m_ids.push_back(QAccessible::registerAccessibleInterface(m_nowhere));
}

TableAccessible::~TableAccessible()
{
    // By their ids: when the program ends, Qt may have deleted the cells already.
    for (QAccessible::Id id : m_ids)
        QAccessible::deleteAccessibleInterface(id);
}

void TableAccessible::add(TableCellAccessible *cell)
{
    m_ids.push_back(QAccessible::registerAccessibleInterface(cell));
    m_children.push_back(cell);
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
    const auto found = std::find_if(m_children.begin(), m_children.end(), [x, y](const auto *cell) {
        return cell->rect().contains(x, y);
    });
    return found == m_children.end() ? nullptr : *found;
}

QAccessibleInterface *TableAccessible::focusChild() const
{
    return cellAt(picture()->currentRow(), picture()->currentColumn());
}

QAccessibleInterface *TableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns)
        return m_nowhere;
    return m_children[static_cast<std::size_t>(row * columns + column)];
}

int TableAccessible::rowCount() const
{
    return static_cast<int>(table().rows.size());
}

int TableAccessible::columnCount() const
{
    return columns;
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
    if (column < 0 || column >= columns)
        return nullptr;
    return m_children[static_cast<std::size_t>(rowCount() * columns + column)];
}

} // namespace kvarnel::ui
