// SPDX-License-Identifier: GPL-3.0-or-later
// A density table as the desktop draws it: its rules as borders, every edge where the
// desktop puts it, its texts on the desktop's base lines and centred in their cells'
// margins. A merged density stands in every row for screen readers and is shown once,
// centred beside all the rows.
#include "reference/density_table.h"
#include "reference/table_drawing.h"
#include "web/page_style.h"
#include "web/window_markup.h"

#include <string>

namespace kvarnel::web {
namespace {

using reference::TableDrawing;
using reference::TableText;

// The table's width, its grade column, and the two rules beside the densities.
std::string tableRules(const std::string &id, const TableDrawing &d)
{
    using namespace reference::table_colours;
    const std::string within = "#" + id + " ";
    const auto border = [](reference::Span rule, reference::Rgb colour) {
        return cssLength(rule.end - rule.begin) + " solid " + cssColour(colour);
    };
    return rule(within + "table", {{"width", cssLength(d.width)}}) +
           rule(within + "col.grade", {{"width", cssLength(d.gradeColumn.end)}}) +
           rule(within + "[data-density]", {{"border-left", border(d.greyRule, grey)},
                                            {"border-right", border(d.whiteRule, white)}});
}

// A cell's text: its face and colour, its margins, and its base line below the top of the
// cell's content, which is below the rule above the cell, where the strut the page's style
// strikes puts it whatever the face. A merged density's cell is not seen, and needs none.
std::string cellStyle(const TableDrawing &d, const TableText &text, int top, int rule,
                      std::string declared)
{
    const int gradeWidth = d.gradeColumn.end;
    const double left = text.column == 0 ? text.left : text.left - d.densityColumn.begin;
    const double right =
        text.column == 0 ? gradeWidth - text.right : d.densityColumn.end - text.right;
    declared += declarations({{"font", cssFont(text.font, "0")},
                              {"color", cssColour(text.colour)},
                              {"padding-left", cssLength(left)},
                              {"padding-right", cssLength(right)}});
    if (!text.centredDown)
        declared += declarations({{"--baseline", cssLength(text.baseline - top - rule)}});
    return declared;
}

class TableMarkup
{
  public:
    TableMarkup(const reference::DensityTable &table, StyleSheet &style)
        : m_table(table), m_drawing(reference::drawingOf(table)), m_style(style)
    {
    }

    Element client()
    {
        m_style.add(tableRules(m_table.window.name, m_drawing));
        Element head("thead");
        head.add(
            row(m_drawing.header.end)
                .add(cell("th", m_drawing.texts[0], 0).set("scope", "col"))
                .add(cell("th", m_drawing.texts[1], 0).set("scope", "col").set("data-density")));
        Element table("table");
        table.add(Element("caption").set("tabindex", "-1").text(m_table.window.caption))
            .add(Element("colgroup").add(Element("col").set("class", "grade")).add(Element("col")))
            .add(head)
            .add(body());
        Element client("div");
        client.set("class", "client").add(table);
        if (m_table.merged)
            client.add(merged(m_drawing.texts.back()));
        return client;
    }

  private:
    Element row(int height)
    {
        return Element("tr").set("class",
                                 m_style.classFor(declarations({{"height", cssLength(height)}})));
    }

    // A cell in the class of its style, with the rule above it, if any, as its top border.
    Element cell(std::string_view tag, const TableText &text, int top,
                 const reference::Band *band = nullptr)
    {
        std::string border;
        int rule = 0;
        if (band) {
            rule = band->rule.end - band->rule.begin;
            border = declarations(
                {{"border-top", cssLength(rule) + " solid " + cssColour(band->colour)}});
        }
        return Element(tag)
            .set("class", m_style.classFor(cellStyle(m_drawing, text, top, rule, border)))
            .text(text.text);
    }

    // The rows, each from the end of the one above: a band's rule is its cells' top border.
    Element body()
    {
        Element body("tbody");
        std::size_t band = 0;
        std::size_t text = 2; // after the headers
        int top = m_drawing.header.end;
        for (const reference::Span &slot : m_drawing.rows) {
            const reference::Band *above = nullptr;
            if (band < m_drawing.bands.size() && m_drawing.bands[band].rule.begin == top)
                above = &m_drawing.bands[band++];
            const TableText &grade = m_drawing.texts[text++];
            const TableText &density =
                m_table.merged ? m_drawing.texts.back() : m_drawing.texts[text++];
            Element densityCell =
                cell("td", density, top, above && above->crossesDensity ? above : nullptr)
                    .set("data-density");
            if (m_table.merged)
                densityCell.set("data-merged");
            body.add(row(slot.end - top).add(cell("td", grade, top, above)).add(densityCell));
            top = slot.end;
        }
        return body;
    }

    // The merged density as it is seen: once, centred down all the rows.
    Element merged(const TableText &text) const
    {
        const reference::Span &columns = m_drawing.densityColumn;
        return Element("div")
            .set("class", "merged")
            .set("aria-hidden", "true")
            .set("style", declarations({{"left", cssLength(columns.begin)},
                                        {"width", cssLength(columns.end - columns.begin)},
                                        {"top", cssLength(text.down.begin)},
                                        {"height", cssLength(text.down.end - text.down.begin)},
                                        {"font", cssFont(text.font)},
                                        {"color", cssColour(text.colour)}}))
            .text(text.text);
    }

    const reference::DensityTable &m_table;
    const TableDrawing m_drawing;
    StyleSheet &m_style;
};

} // namespace

Element tableWindow(const reference::DensityTable &table, StyleSheet &style)
{
    return windowOf(table.window, TableMarkup(table, style).client(), style);
}

} // namespace kvarnel::web
