// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"
#include "reference/density_tables.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace kvarnel::design {

// The buttons' names, the first table's first.
inline constexpr const char *catalogueButtonNames[] = {
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
};
static_assert(std::size(catalogueButtonNames) == reference::densityTables.size(),
              "a button for every table");

// The density reference's table of contents: a column of buttons, one for each table in
// the tables' order, each captioned as its table's record says. Command1 opens the first.
struct CatalogueForm
{
    // Twips: the first button, the step to the next, and the margin under the last.
    static constexpr TwipRect firstButton{120, 120, 4695, 375};
    static constexpr int buttonPitch = 480;
    static constexpr int bottomMargin = 150;
    static constexpr int clientWidth = 4935;
    static constexpr std::size_t buttonCount = reference::densityTables.size();

    static constexpr WindowFrame frame{
        "Form2",
        "Плотность материалов",
        Border::Fixed,
        {clientWidth, firstButton.top + buttonPitch *static_cast<int>(buttonCount - 1) +
                          firstButton.height + bottomMargin},
    };

    // In tab order, which is the tables' order.
    static constexpr std::array<Control, buttonCount> controls = [] {
        std::array<Control, buttonCount> buttons{};
        for (std::size_t i = 0; i < buttonCount; ++i) {
            TwipRect rect = firstButton;
            rect.top += buttonPitch * static_cast<int>(i);
            buttons[i] = {ControlKind::Button, catalogueButtonNames[i],
                          reference::densityTables[i].button, rect};
        }
        return buttons;
    }();
};

} // namespace kvarnel::design
