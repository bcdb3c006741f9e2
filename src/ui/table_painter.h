// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

namespace kvarnel::reference {
struct DensityTable;
}

namespace kvarnel::ui {

// The drawn extent of a table in device-independent pixels, from its top-left corner.
QSize tableSize(const reference::DensityTable &table);

// Where a cell lies in the drawn table: row -1 is the header, column 0 the grades and 1
// the densities. A merged density spans all the rows.
QRect cellRect(const reference::DensityTable &table, int row, int column);

// Draws the table at physical size with its top-left corner at the painter's origin.
void paintTable(QPainter &painter, const reference::DensityTable &table);

} // namespace kvarnel::ui
