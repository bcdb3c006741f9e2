// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"
#include "reference/density_tables.h"

#include <array>
#include <cstddef>

namespace kvarnel::design {

namespace detail {

// "Command1", "Command2", ...: the names of a column of buttons, kept for the program's
// lifetime.
template<std::size_t count> constexpr auto buttonNames()
{
    std::array<std::array<char, 16>, count> names{};
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t at = 0;
        for (char c : std::string_view("Command"))
            names[i][at++] = c;
        const std::size_t number = i + 1;
        if (number >= 10)
            names[i][at++] = static_cast<char>('0' + number / 10);
        names[i][at++] = static_cast<char>('0' + number % 10);
    }
    return names;
}

inline constexpr auto catalogueButtonNames = buttonNames<reference::densityTables.size()>();

} // namespace detail

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
            buttons[i] = {ControlKind::Button, detail::catalogueButtonNames[i].data(),
                          reference::densityTables[i].button, rect};
        }
        return buttons;
    }();
};

} // namespace kvarnel::design
