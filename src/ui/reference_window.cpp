#include "ui/reference_window.h"

#include "reference/density_table.h"
#include "ui/table_painter.h"

#include <QPainter>

namespace kvarnel::ui {
namespace {

// The window's only control: the picture of the table.
class TablePicture : public QWidget
{
public:
    TablePicture(const reference::DensityTable &table, QWidget *parent)
        : QWidget(parent), m_table(table)
    {
        setObjectName(QStringLiteral("Image1"));
        setGeometry(QRect(QPoint(0, 0), tableSize(table)));
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
