// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QPainter;

namespace kvarnel::reference {
struct DensityTable;
}

namespace kvarnel::ui {

// The drawn extent of a table in device-independent pixels, from its top-left corner.
QSize tableSize(const reference::DensityTable &table);

// Draws the table at physical size with its top-left corner at the painter's origin.
void paintTable(QPainter &painter, const reference::DensityTable &table);

} // namespace kvarnel::ui
