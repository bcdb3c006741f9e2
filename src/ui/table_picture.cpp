// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_picture.h"

#include "platform/accessibility.h"
#include "reference/density_table.h"
#include "reference/table_drawing.h"
#include "ui/table_accessible.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace kvarnel::ui {

TablePicture::TablePicture(const reference::DensityTable &table, QWidget *parent)
    : QWidget(parent), m_table(table), m_layout(table)
{
    // Before anything can ask for this widget's interface and cache the default one.
    platform::provideAccessible<TablePicture, TableAccessible>();
    setObjectName(QLatin1String(reference::tablePictureName));
    setGeometry(QRect(QPoint(0, 0), m_layout.size()));
    setFocusPolicy(Qt::StrongFocus);
}

void TablePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_layout.paint(painter);
}

void TablePicture::keyPressEvent(QKeyEvent *event)
{
    const int lastRow = static_cast<int>(m_table.rows.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Up:
        m_row = std::max(m_row - 1, 0);
        break;
    case Qt::Key_Down:
        m_row = std::min(m_row + 1, lastRow);
        break;
    case Qt::Key_Left:
        m_column = 0;
        break;
    case Qt::Key_Right:
        m_column = 1;
        break;
    case Qt::Key_Home:
        m_row = 0;
        break;
    case Qt::Key_End:
        m_row = lastRow;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    reportCurrentCell();
}

void TablePicture::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Qt reports the table as focused once this returns; the current cell comes after it.
    QMetaObject::invokeMethod(this, &TablePicture::reportCurrentCell, Qt::QueuedConnection);
}

void TablePicture::reportCurrentCell()
{
    if (!hasFocus() || !QAccessible::isActive())
        return; // nobody follows the current cell
    auto *table = static_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(this));
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(table->indexOfChild(table->focusChild()));
    QAccessible::updateAccessibility(&focus);
}

} // namespace kvarnel::ui
