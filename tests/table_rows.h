// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/density_tables.h"

#include <QString>
#include <QTest>

#include <string_view>

inline QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A data row for each density table, or each that `wanted` picks, named after its window:
// the column "index" into the program's tables.
inline void addTableRows(bool (*wanted)(const kvarnel::reference::DensityTable &) = nullptr)
{
    QTest::addColumn<int>("index");
    const auto &tables = kvarnel::reference::densityTables;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (!wanted || wanted(tables[i]))
            QTest::newRow(tables[i].window.name) << static_cast<int>(i);
    }
}
