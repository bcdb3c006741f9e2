// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference_window.h"

#include "platform/window_frame.h"
#include "reference/density_table.h"
#include "ui/table_painter.h"

#include <QPainter>

namespace kvarnel::ui {
namespace {

// "Л60: 8800 кг/м3; Л63: 8800 кг/м3; …", or the grades and then their one density.
QString tableText(const reference::DensityTable &table)
{
    QStringList rows;
    for (const reference::GradeRow &row : table.rows)
        rows << QString::fromUtf8(row.grade) +
                    (table.merged ? QString()
                                  : QStringLiteral(": ") + QString::fromUtf8(row.density));
    QString description = rows.join(QStringLiteral("; "));
    if (table.merged)
        description += QStringLiteral(": ") + QString::fromUtf8(table.merged->text);
    return description;
}

// The window's only control: the picture of the table.
class TablePicture : public QWidget
{
  public:
    TablePicture(const reference::DensityTable &table, QWidget *parent)
        : QWidget(parent), m_table(table)
    {
        setObjectName(QStringLiteral("Image1"));
        setGeometry(QRect(QPoint(0, 0), tableSize(table)));
        // A screen reader cannot read a picture: give it the table as text.
        setAccessibleName(QString::fromUtf8(table.window.caption));
        setAccessibleDescription(tableText(table));
    }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        paintTable(painter, m_table);
    }

  private:
    const reference::DensityTable &m_table;
};

} // namespace

ReferenceWindow::ReferenceWindow(const reference::DensityTable &table, QWidget *parent)
    : QWidget(parent)
{
    platform::applyFrame(this, table.window);
    new TablePicture(table, this);
}

} // namespace kvarnel::ui
