// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue_window.h"

#include "platform/fonts.h"
#include "platform/window_frame.h"

#include <QPushButton>

namespace kvarnel::ui {

using design::ControlKind;
using reference::CatalogueForm;

CatalogueWindow::CatalogueWindow(QWidget *parent) : QWidget(parent), m_controls(this)
{
    platform::applyFrame(this, CatalogueForm::frame);
    setFont(platform::font(design::dialogFont));
    for (std::size_t index = 0; index < CatalogueForm::buttonCount; ++index) {
        connect(m_controls.all<ControlKind::Button>(index), &QPushButton::clicked, this,
                [this, index] { emit tableRequested(static_cast<int>(index)); });
    }
    m_controls.all<ControlKind::Button>(0)->setFocus();
}

} // namespace kvarnel::ui
