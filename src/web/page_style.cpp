// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_style.h"

#include "design/faces.h"
#include "design/units.h"
#include "web/markup.h"

#include <sstream>

namespace kvarnel::web {

// `--k` is the CSS length of one of the description's pixels in the window at hand: 1px,
// or on a narrow screen what fits the window to the screen's width (page.css).
std::string cssLength(double pixels)
{
    std::ostringstream out;
    out << "calc(var(--k)*" << pixels << ")";
    return out.str();
}

std::string cssColour(reference::Rgb c)
{
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

std::string cssFont(const design::Font &font, std::string_view lineHeight)
{
    const design::FaceFamilies faces = design::families(font.face);
    return std::string(font.weight == design::Weight::Bold ? "bold " : "") +
           cssLength(design::pointsToPixels(font.points)) + "/" + std::string(lineHeight) + " '" +
           std::string(faces.standIn) + "', '" + std::string(faces.original) + "', " +
           (faces.serif ? "serif" : "sans-serif");
}

std::string cssBox(design::TwipRect rect)
{
    const design::PixelRect p = design::toPixels(rect);
    return declarations({{"left", cssLength(p.left)},
                         {"top", cssLength(p.top)},
                         {"width", cssLength(p.width)},
                         {"height", cssLength(p.height)}});
}

std::string StyleSheet::classFor(const std::string &declarations)
{
    auto [at, made] = m_classes.try_emplace(declarations, "s" + std::to_string(m_classes.size()));
    if (made)
        m_css += ".client ." + at->second + "{" + declarations + "}\n";
    return at->second;
}

} // namespace kvarnel::web
