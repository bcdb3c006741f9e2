// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the facts the page's tests hold it to, from the hand-written copy every other
// test reads too, as JSON: the sizes of the windows and each table's texts, row by row.
//   expected_facts FILE
#include "double_entry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray size(QSize size)
{
    return {size.width(), size.height()};
}

QJsonArray split(const char *texts)
{
    return QJsonArray::fromStringList(QString::fromUtf8(texts).split(u'|'));
}

} // namespace

int main(int argc, char *argv[])
{
    QJsonArray tables;
    for (const expected::Table &table : expected::tables) {
        const QJsonArray grades = split(table.grades);
        QJsonArray densities = split(table.densities);
        while (densities.size() < grades.size()) // a merged density, read in every row
            densities.append(densities.first());
        tables.append(QJsonObject{{"name", table.name},
                                  {"caption", QString::fromUtf8(table.caption)},
                                  {"button", QString::fromUtf8(table.button)},
                                  {"sizable", table.sizable},
                                  {"pixels", size(table.pixels)},
                                  {"headers", split(table.headers)},
                                  {"grades", grades},
                                  {"densities", densities}});
    }
    const QJsonObject facts{
        {"mainWindow", size(expected::mainWindow)},
        {"catalogue", size(expected::catalogue(int(std::size(expected::tables))))},
        {"tables", tables}};
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(facts).toJson()) > 0 ? 0 : 1;
}
