// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include <array>
#include <vector>

class QPainter;

namespace kvarnel::reference {
struct DensityTable;
}

namespace kvarnel::ui {

// A table laid out once, at physical size from its top-left corner: where every fill and
// every text goes, each text set in its font. Painting it again only draws.
class TableLayout
{
  public:
    explicit TableLayout(const reference::DensityTable &table);
    TableLayout(const TableLayout &) = delete;
    TableLayout &operator=(const TableLayout &) = delete;
    ~TableLayout();

    // The drawn extent in device-independent pixels.
    QSize size() const { return m_size; }

    // Where a cell lies: row -1 is the header, column 0 the grades and 1 the densities. A
    // merged density is found beside each grade, in that grade's row.
    QRect cellRect(int row, int column) const;

    void paint(QPainter &painter) const;

    struct Fill
    {
        QRect rect;
        QColor colour;
    };
    struct Text;

  private:
    QSize m_size;
    std::vector<Fill> m_fills;
    std::vector<Text> m_texts;
    std::vector<std::array<QRect, 2>> m_cells; // the header's, then each row's
};

} // namespace kvarnel::ui
