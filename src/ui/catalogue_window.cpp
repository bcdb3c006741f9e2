// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue_window.h"

#include "platform/fonts.h"
#include "platform/window_frame.h"
#include "reference/density_tables.h"
#include "ui/controls.h"

#include <QPushButton>

#include <string>
#include <vector>

namespace kvarnel::ui {
namespace {

using reference::densityTables;

// Twips: the buttons' column, one every 480 from the top, and the margin under the last.
constexpr platform::TwipRect firstButton{120, 120, 4695, 375};
constexpr int buttonPitch = 480;
constexpr int bottomMargin = 150;
constexpr int clientWidth = 4935;
constexpr int lastButtonTop =
    firstButton.top + buttonPitch * (static_cast<int>(densityTables.size()) - 1);

} // namespace

const platform::WindowFrame CatalogueWindow::frame{
    "Form2",
    "Плотность материалов",
    platform::Border::Fixed,
    {clientWidth, lastButtonTop + firstButton.height + bottomMargin},
};

QString CatalogueWindow::buttonName(int index)
{
    return QStringLiteral("Command%1").arg(index + 1);
}

platform::TwipRect CatalogueWindow::buttonRect(int index)
{
    platform::TwipRect rect = firstButton;
    rect.top += buttonPitch * index;
    return rect;
}

CatalogueWindow::CatalogueWindow(QWidget *parent) : QWidget(parent)
{
    platform::applyFrame(this, frame);
    setFont(platform::dialogFont());

    std::vector<std::string> names; // the controls name them while they are built
    std::vector<Control> buttons;
    names.reserve(densityTables.size());
    for (int index = 0; index < static_cast<int>(densityTables.size()); ++index) {
        names.push_back(buttonName(index).toStdString());
        buttons.push_back({ControlKind::Button, names.back().c_str(),
                           densityTables[static_cast<std::size_t>(index)].button,
                           buttonRect(index)});
    }
    buildControls(this, buttons);

    for (int index = 0; index < static_cast<int>(buttons.size()); ++index) {
        auto *button = control<QPushButton>(this, buttons[static_cast<std::size_t>(index)].name);
        connect(button, &QPushButton::clicked, this, [this, index] { emit tableRequested(index); });
    }
    control<QPushButton>(this, buttons.front().name)->setFocus();
}

} // namespace kvarnel::ui
