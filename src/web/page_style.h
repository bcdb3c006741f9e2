// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"
#include "reference/table_drawing.h"

#include <map>
#include <string>
#include <string_view>

// The page's style as the windows need it: lengths, colours and fonts in CSS, and the
// style sheet they are gathered in.
namespace kvarnel::web {

// A length of the description's pixels in CSS, at the window's scale; the description's
// pixels become CSS here and nowhere else.
std::string cssLength(double pixels);

std::string cssColour(reference::Rgb colour);

// The CSS font of a design's font; `lineHeight` as CSS has it ("normal", "0").
std::string cssFont(const design::Font &font, std::string_view lineHeight = "normal");

// A control's place in its window: left, top, width and height.
std::string cssBox(design::TwipRect rect);

class StyleSheet
{
  public:
    void add(std::string rules) { m_css += rules; }

    // The class that gives `declarations` to elements of a window's client area, made at its
    // first use: the rows of a table share a handful of them.
    std::string classFor(const std::string &declarations);

    const std::string &css() const { return m_css; }

  private:
    std::string m_css;
    std::map<std::string, std::string> m_classes;
};

} // namespace kvarnel::web
