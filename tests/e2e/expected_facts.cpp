// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's description of its windows as JSON, for the tests that drive the
// program from outside (Python over AT-SPI, JavaScript in a browser) to find and count
// what they need by it: each window's name, caption and client size, its controls in tab
// order (name, kind, text, rectangle, the control a caption names), the overflow alert,
// each table's texts, row by row, and the calculation's own cases as a user types them.
// Sizes and rectangles in pixels.
//   expected_facts FILE
#include "design/main_form.h"
#include "design/units.h"
#include "pipe_cases.h"
#include "reference/catalogue_form.h"
#include "reference/table_drawing.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <span>

using namespace kvarnel::design;
using kvarnel::reference::CatalogueForm;

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8);
}

QJsonArray size(TwipSize twips)
{
    const PixelSize p = toPixels(twips);
    return {p.width, p.height};
}

QJsonObject window(const WindowFrame &frame, std::span<const Control> controls)
{
    static const char *const kinds[] = {"label", "result", "textbox", "button"};
    QJsonArray described;
    for (const Control &c : controls) {
        const PixelRect r = toPixels(c.rect);
        QJsonObject control{{"name", c.name},
                            {"kind", kinds[static_cast<int>(c.kind)]},
                            {"text", text(c.text)},
                            {"rect", QJsonArray{r.left, r.top, r.width, r.height}},
                            {"fontPixels", pointsToPixels(c.font.value_or(dialogFont).points)}};
        if (c.buddy >= 0)
            control.insert("names", controls[static_cast<std::size_t>(c.buddy)].name);
        if (c.width == Width::FitsText)
            control.insert("widens", true);
        described.append(control);
    }
    return {{"name", frame.name},
            {"caption", text(frame.caption)},
            {"size", size(frame.client)},
            {"controls", described}};
}

QJsonArray span(kvarnel::reference::Span s)
{
    return {s.begin, s.end};
}

QJsonArray colour(kvarnel::reference::Rgb c)
{
    return {c.red, c.green, c.blue};
}

// How a table is drawn, in pixels from its top-left corner: every edge, every rule with its
// colour, and every text with its colour and its base line.
QJsonObject drawing(const kvarnel::reference::DensityTable &table)
{
    const kvarnel::reference::TableDrawing d = kvarnel::reference::drawingOf(table);
    QJsonArray rows, bands, texts;
    for (kvarnel::reference::Span row : d.rows)
        rows.append(span(row));
    for (const kvarnel::reference::Band &band : d.bands) {
        bands.append(QJsonObject{{"rule", span(band.rule)},
                                 {"colour", colour(band.colour)},
                                 {"crossesDensity", band.crossesDensity}});
    }
    for (const kvarnel::reference::TableText &t : d.texts) {
        QJsonObject described{{"text", text(t.text)},
                              {"colour", colour(t.colour)},
                              {"column", t.column},
                              {"baseline", t.baseline}};
        if (t.centredDown)
            described.insert("down", span(t.down));
        texts.append(described);
    }
    using namespace kvarnel::reference::table_colours;
    return {{"size", QJsonArray{d.width, d.height}},
            {"header", span(d.header)},
            {"rows", rows},
            {"bands", bands},
            {"gradeColumn", span(d.gradeColumn)},
            {"greyRule", span(d.greyRule)},
            {"densityColumn", span(d.densityColumn)},
            {"whiteRule", span(d.whiteRule)},
            {"texts", texts},
            {"cell", colour(silver)},
            {"greyColour", colour(grey)},
            {"whiteColour", colour(white)}};
}

} // namespace

int main(int argc, char *argv[])
{
    QJsonObject main = window(MainForm::frame, MainForm::controls);
    main.insert("overflow", QJsonObject{{"title", text(MainForm::overflow.title)},
                                        {"message", text(MainForm::overflow.message)},
                                        {"button", text(MainForm::overflow.button)}});
    QJsonArray tables;
    for (const kvarnel::reference::DensityTable &table : kvarnel::reference::densityTables) {
        QJsonArray grades;
        QJsonArray densities; // a merged density in every row, as it is read
        for (const kvarnel::reference::GradeRow &row : table.rows) {
            grades.append(text(row.grade));
            densities.append(text(table.merged ? table.merged->text : row.density));
        }
        tables.append(QJsonObject{
            {"name", table.window.name},
            {"caption", text(table.window.caption)},
            {"button", text(table.button)},
            {"sizable", table.window.border == Border::Sizable},
            {"size", size(table.window.client)},
            {"headers", QJsonArray{text(table.header.grade), text(table.header.density)}},
            {"grades", grades},
            {"densities", densities},
            {"drawing", drawing(table)}});
    }
    QJsonArray cases; // the results with a full stop; none where the calculation overflows
    for (const PipeCase &c : pipeCases) {
        cases.append(QJsonObject{{"name", c.name},
                                 {"inputs", QJsonArray{c.diameter, c.wall, c.density}},
                                 {"results", QJsonArray{c.area, c.mass}}});
    }
    for (const OverflowCase &c : overflowCases) {
        cases.append(
            QJsonObject{{"name", c.name}, {"inputs", QJsonArray{c.diameter, c.wall, c.density}}});
    }
    const QJsonObject facts{{"mainWindow", main},
                            {"cases", cases},
                            {"catalogue", window(CatalogueForm::frame, CatalogueForm::controls)},
                            {"tables", tables}};
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(facts).toJson()) > 0 ? 0 : 1;
}
