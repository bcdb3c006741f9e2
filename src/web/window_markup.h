// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"
#include "web/markup.h"

#include <string_view>

namespace kvarnel::reference {
struct DensityTable;
}

// The page's windows as HTML, from the windows' description. Each is a dialog named by its
// caption, with a title bar and a client area at its client size.
namespace kvarnel::web {

class StyleSheet;

// What a button does in the page: the names of the page script's handlers, which holds
// the two to each other when it starts.
namespace actions {
inline constexpr std::string_view open = "open"; // the window its data-opens names
inline constexpr std::string_view calculate = "calculate";
inline constexpr std::string_view clear = "clear"; // its window's boxes and results
inline constexpr std::string_view end = "end";
inline constexpr std::string_view close = "close"; // its window
inline constexpr std::string_view again = "again"; // the program, once it has ended
} // namespace actions

// A window around its client area's content; `shown` for the one open at start.
Element windowOf(const design::WindowFrame &frame, const Element &client, StyleSheet &style,
                 bool shown = false);

// The calculator and the catalogue, with what the page's script needs to know of their
// controls written onto them: the calculation's boxes and results by the part they play,
// each button by what it does.
Element mainWindow(StyleSheet &style);
Element catalogueWindow(StyleSheet &style);

// A reference window: its density table as the desktop draws it.
Element tableWindow(const reference::DensityTable &table, StyleSheet &style);

} // namespace kvarnel::web
