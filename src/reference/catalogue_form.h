// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"
#include "reference/density_tables.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace kvarnel::reference {

// The buttons' names, the first table's first.
inline constexpr const char *catalogueButtonNames[] = {
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
};
static_assert(std::size(catalogueButtonNames) == densityTables.size(), "a button for every table");

// The density reference's table of contents: a column of buttons, one for each table in
// the tables' order, each captioned as its table's record says. Command1 opens the first.
struct CatalogueForm
{
    // Twips: the first button, the step to the next, and the margin under the last.
    static constexpr design::TwipRect firstButton{120, 120, 4695, 375};
    static constexpr int buttonPitch = 480;
    static constexpr int bottomMargin = 150;
    static constexpr int clientWidth = 4935;
    static constexpr std::size_t buttonCount = densityTables.size();

    static constexpr design::WindowFrame frame{
        "Form2",
        "Плотность материалов",
        Border::Fixed,
        {clientWidth, firstButton.top + buttonPitch *static_cast<int>(buttonCount - 1) +
                          firstButton.height + bottomMargin},
    };

    // In tab order, which is the tables' order.
    static constexpr std::array<design::Control, buttonCount> controls = [] {
        std::array<design::Control, buttonCount> buttons{};
        for (std::size_t i = 0; i < buttonCount; ++i) {
            design::TwipRect rect = firstButton;
            rect.top += buttonPitch * static_cast<int>(i);
            buttons[i] = {design::ControlKind::Button, catalogueButtonNames[i],
                          densityTables[i].button, rect};
        }
        return buttons;
    }();
};

} // namespace kvarnel::reference
