// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference_window.h"

#include "platform/window_frame.h"
#include "reference/density_table.h"
#include "ui/table_picture.h"

namespace kvarnel::ui {

ReferenceWindow::ReferenceWindow(const reference::DensityTable &table, QWidget *parent)
    : QWidget(parent)
{
    platform::applyFrame(this, table.window);
    (new TablePicture(table, this))->setFocus();
}

} // namespace kvarnel::ui
