// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page: the ten windows as HTML and CSS from the windows' description, at 15
// twips to a CSS pixel, with the tables drawn by the desktop's own rules, and the page's
// script, all in one file, which is all a first paint waits for; the numbers' module, the
// faces and the icon copied beside it under names that carry a hash of their content; and
// a service worker that keeps exactly that set.
//   generate_page FOLDER SCRIPT MODULE ICON SANS SERIF SERIF-BOLD
// or writes every text the tables show, for their faces to be cut to:
//   generate_page --table-texts FILE
#include "design/catalogue_form.h"
#include "design/faces.h"
#include "design/main_form.h"
#include "design/table_drawing.h"
#include "design/units.h"
#include "reference/density_tables.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <vector>

using namespace kvarnel::design;
using kvarnel::reference::DensityTable;
namespace fs = std::filesystem;

namespace {

std::string read(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool write(const fs::path &file, const std::string &content)
{
    std::ofstream out(file, std::ios::binary);
    out << content;
    return static_cast<bool>(out);
}

// 64-bit FNV-1a: a name changes whenever its content does.
std::string hashOf(const std::string &content)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : content) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(text, 10);
}

// Text as HTML shows it exactly, blanks included (the page keeps them with white-space).
std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string px(double value)
{
    std::ostringstream out;
    out << value << "px";
    return out.str();
}

std::string rgb(Rgb c)
{
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

// The CSS font of a design's font; `lineHeight` as CSS has it ("1", "normal").
std::string fontCss(const Font &font, const std::string &lineHeight = "normal")
{
    const FaceFamilies faces = families(font.face);
    return std::string(font.weight == Weight::Bold ? "bold " : "") +
           std::to_string(pointsToPixels(font.points)) + "px/" + lineHeight + " '" +
           std::string(faces.standIn) + "', '" + std::string(faces.original) + "', " +
           (faces.serif ? "serif" : "sans-serif");
}

std::string box(TwipRect r)
{
    const PixelRect p = toPixels(r);
    return "left:" + px(p.left) + ";top:" + px(p.top) + ";width:" + px(p.width) +
           ";height:" + px(p.height);
}

struct Page
{
    std::string html;
    std::string css;
    std::map<std::string, std::string> classes; // a class for each style that recurs

    // The class that gives `style`, made at its first use.
    std::string classFor(const std::string &style)
    {
        auto [at, made] = classes.try_emplace(style, "s" + std::to_string(classes.size()));
        if (made)
            css += ".client ." + at->second + "{" + style + "}\n";
        return at->second;
    }
};

// A window: a dialog named by its caption, its title bar, and its client area.
void openWindow(Page &page, const WindowFrame &frame, bool shown = false)
{
    const PixelSize client = toPixels(frame.client);
    const std::string id = frame.name;
    page.html += "<section class=\"window" + std::string(shown ? " open" : "") + "\" id=\"" + id +
                 "\" role=\"dialog\" aria-labelledby=\"" + id + "-title\"" +
                 (frame.border == Border::Sizable ? " data-sizable" : "") + ">\n";
    page.html += "<div class=\"title\"><h2 id=\"" + id + "-title\">" + escaped(frame.caption) +
                 "</h2><button class=\"close\" tabindex=\"-1\" aria-label=\"Закрыть «" +
                 escaped(frame.caption) + "»\">×</button></div>\n";
    page.html += "<div class=\"client\">\n";
    page.css +=
        "#" + id + " .client{width:" + px(client.width) + ";height:" + px(client.height) + "}\n";
}

void closeWindow(Page &page)
{
    page.html += "</div>\n</section>\n";
}

// The controls in tab order, each where the description puts it.
void addControls(Page &page, const WindowFrame &frame, std::span<const Control> controls,
                 bool focusFirst = false)
{
    for (const Control &c : controls) {
        const std::string id = std::string(frame.name) + "-" + c.name;
        std::string attributes = " id=\"" + id + "\" style=\"" + box(c.rect);
        if (c.font)
            attributes += ";font:" + fontCss(*c.font);
        attributes += "\"";
        const std::string buddy =
            c.buddy >= 0 ? std::string(frame.name) + "-" + controls[std::size_t(c.buddy)].name : "";
        switch (c.kind) {
        case ControlKind::Label:
            page.html += "<label" + attributes + (buddy.empty() ? "" : " for=\"" + buddy + "\"") +
                         ">" + escaped(c.text) + "</label>\n";
            break;
        case ControlKind::Result:
            page.html += "<output" + attributes + " aria-live=\"off\"></output>\n";
            break;
        case ControlKind::TextBox:
            page.html += "<input" + attributes +
                         " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" "
                         "autocorrect=\"off\" autocapitalize=\"off\" spellcheck=\"false\">\n";
            break;
        case ControlKind::Button:
            page.html += "<button type=\"button\"" + attributes + (focusFirst ? " autofocus" : "") +
                         ">" + escaped(c.text) + "</button>\n";
            focusFirst = false;
            break;
        }
    }
}

// A density table as the desktop draws it: rules as borders, every edge where the desktop
// puts it, texts centred in their cells' margins. A merged density stands in every row for
// screen readers and is shown once, centred beside all the rows.
void addTable(Page &page, const DensityTable &table)
{
    const TableDrawing d = drawingOf(table);
    const std::string id = table.window.name;
    const std::string sel = "#" + id + " ";
    // A cell's text stands on a line of no height, which puts its base line half of
    // Liberation Serif's ascent less its descent (0.891 and 0.216 of the size) below the
    // line's top: so the text's base line is where the desktop draws it, whatever the
    // row's height.
    constexpr double baselineShare = (0.891 - 0.216) / 2;
    const auto padding = [&](const TableText &text, int slotTop) {
        if (text.centredDown)
            return px(0); // shown once, beside all the rows (below)
        return px(text.baseline - slotTop - baselineShare * pointsToPixels(text.font.points));
    };
    const int gradeWidth = d.gradeColumn.end;
    page.css += sel + "table{width:" + px(d.width) + "}\n";
    page.css += sel + "col.grade{width:" + px(gradeWidth) + "}\n";
    page.css += sel + "[data-density]{border-left:" + px(d.greyRule.end - d.greyRule.begin) +
                " solid " + rgb(table_colours::grey) +
                ";border-right:" + px(d.whiteRule.end - d.whiteRule.begin) + " solid " +
                rgb(table_colours::white) + "}\n";

    const auto cellPadding = [&](const TableText &text) {
        const double left = text.column == 0 ? text.left : text.left - d.densityColumn.begin;
        const double right =
            text.column == 0 ? gradeWidth - text.right : d.densityColumn.end - text.right;
        return "padding-left:" + px(left) + ";padding-right:" + px(right);
    };
    // A cell, in the class of its style: its text's face, colour and margins, and the rule
    // above it. Most rows share them.
    const auto cell = [&](const char *tag, const TableText &text, int slotTop,
                          const std::string &rule) {
        const std::string style = rule + "font:" + fontCss(text.font, "0") +
                                  ";color:" + rgb(text.colour) + ";" + cellPadding(text) +
                                  ";padding-top:" + padding(text, slotTop);
        return std::string("<") + tag + " class=\"" + page.classFor(style) + "\">" +
               escaped(text.text) + "</" + tag + ">";
    };
    const auto row = [&](int height) {
        return "<tr class=\"" + page.classFor("height:" + px(height)) + "\">";
    };

    page.html += "<table><caption tabindex=\"-1\">" + escaped(table.window.caption) +
                 "</caption><colgroup><col class=\"grade\"><col></colgroup>\n";
    std::size_t at = 0;
    const TableText &gradeHeader = d.texts[at++];
    const TableText &densityHeader = d.texts[at++];
    page.html += "<thead>" + row(d.header.end) + cell("th scope=\"col\"", gradeHeader, 0, "") +
                 cell("th scope=\"col\" data-density", densityHeader, 0, "") +
                 "</tr></thead>\n<tbody>\n";

    std::size_t band = 0;
    int slotTop = d.header.end;
    const TableText *merged = table.merged ? &d.texts.back() : nullptr;
    for (std::size_t index = 0; index < d.rows.size(); ++index) {
        std::string gradeRule, densityRule;
        if (band < d.bands.size() && d.bands[band].rule.begin == slotTop) {
            const Band &b = d.bands[band++];
            const std::string border =
                "border-top:" + px(b.rule.end - b.rule.begin) + " solid " + rgb(b.colour) + ";";
            gradeRule = border;
            if (b.crossesDensity)
                densityRule = border;
        }
        const TableText &grade = d.texts[at++];
        const TableText &density = merged ? *merged : d.texts[at++];
        page.html += row(d.rows[index].end - slotTop) + cell("td", grade, slotTop, gradeRule) +
                     cell(merged ? "td data-density data-merged" : "td data-density", density,
                          slotTop, densityRule) +
                     "</tr>\n";
        slotTop = d.rows[index].end;
    }
    page.html += "</tbody></table>\n";
    if (merged) {
        page.html +=
            "<div class=\"merged\" aria-hidden=\"true\" style=\"left:" + px(d.densityColumn.begin) +
            ";width:" + px(d.densityColumn.end - d.densityColumn.begin) +
            ";top:" + px(merged->down.begin) +
            ";height:" + px(merged->down.end - merged->down.begin) +
            ";font:" + fontCss(merged->font) + ";color:" + rgb(merged->colour) + "\">" +
            escaped(merged->text) + "</div>\n";
    }
}

// The page's fixed part: everything but the windows, whose faces and sizes are above.
std::string head(const std::string &css, const std::string &module, const std::string &icon)
{
    std::string html = R"(<!doctype html>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Кварнель</title>
<meta name="description" content="Кварнель: масса погонного метра круглой трубы по наружному диаметру, толщине стенки и плотности материала, со справочником плотностей сталей, чугунов, латуней, меди, алюминиевых и титановых сплавов и винипластов.">
<meta name="theme-color" content="#3a6ea5">
<link rel="icon" href=")" +
                       icon + R"(" type="image/svg+xml">
<link rel="manifest" href="kvarnel.webmanifest">
<link rel="license" href="LICENSE.txt">
)";
    // The numbers, fetched while the page is read. The windows' face is not preloaded: a
    // preloaded face holds the first paint back until it is there, while its metric twin
    // (Arial, or the installed Liberation Sans) shows the same lines at once.
    html += "<link rel=\"preload\" href=\"" + module +
            "\" as=\"fetch\" type=\"application/wasm\" crossorigin>\n";
    html += "<style>\n" + css + "</style>\n";
    html += "<script>document.documentElement.className = \"scripted\"</script>\n";
    html += "</head>\n<body>\n";
    return html;
}

const char *const notices = R"(<div id="said" class="unseen" role="status" aria-live="polite"></div>
<dialog id="alert" role="alertdialog" aria-labelledby="alert-title" aria-describedby="alert-message">
<div class="title"><h2 id="alert-title"></h2></div>
<div class="body"><p id="alert-message"></p><button type="button" id="alert-button"></button></div>
</dialog>
<div id="ended" class="notice" hidden>
<p>Кварнель завершила работу.</p>
<button type="button" id="again">Запустить снова</button>
<a href="THIRD-PARTY-NOTICES.txt">Лицензия и сведения о составных частях</a>
</div>
<div id="unable" class="notice banner" hidden><p>Этот браузер не умеет выполнять WebAssembly с исключениями, поэтому Кварнель не может считать; справочник плотностей открыт ниже.</p></div>
<noscript><div class="notice banner"><p>Кварнели нужен JavaScript, чтобы считать: включите его. Справочник плотностей открыт ниже.</p></div></noscript>
)";

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string_view(argv[1]) == "--table-texts") {
        std::string texts;
        for (const DensityTable &table : kvarnel::reference::densityTables) {
            for (const TableText &text : drawingOf(table).texts)
                texts += std::string(text.text) + "\n";
        }
        return write(argv[2], texts) ? 0 : 1;
    }
    if (argc != 8) {
        std::fprintf(stderr,
                     "usage: generate_page FOLDER SCRIPT MODULE ICON SANS SERIF SERIF-BOLD\n");
        return 2;
    }
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    std::vector<std::string> files; // what the service worker keeps, the page first

    // Copies a file under a name with its content's hash: kvarnel.js becomes kvarnel.1a2b….js
    const auto place = [&](const std::string &stem, const std::string &extension,
                           const std::string &content) {
        const std::string name = stem + "." + hashOf(content) + extension;
        write(folder / name, content);
        files.push_back(name);
        return name;
    };
    const auto copy = [&](const char *source, const std::string &stem) {
        const fs::path path = source;
        return place(stem, path.extension().string(), read(path));
    };
    const std::string script = read(argv[2]);
    const std::string module = copy(argv[3], "kvarnel");
    const std::string icon = copy(argv[4], "kvarnel");
    const std::vector<std::string> fonts = {copy(argv[5], "sans"), copy(argv[6], "serif"),
                                            copy(argv[7], "serif-bold")};

    Page page;
    page.css = read(fs::path(argv[2]).parent_path() / "page.css");
    page.css += "@font-face{font-family:\"Liberation Sans\";src:url(" + fonts[0] +
                ") format(\"woff2\");font-display:swap}\n";
    page.css += "@font-face{font-family:\"Liberation Serif\";src:url(" + fonts[1] +
                ") format(\"woff2\")}\n";
    page.css += "@font-face{font-family:\"Liberation Serif\";font-weight:bold;src:url(" + fonts[2] +
                ") format(\"woff2\")}\n";
    page.css += ".client{font:" + fontCss(dialogFont) + "}\n";

    page.html += "<main id=\"desktop\" data-module=\"" + module + "\">\n";
    // The main window opens at start, with the focus on its first button.
    openWindow(page, MainForm::frame, true);
    addControls(page, MainForm::frame, MainForm::controls, true);
    closeWindow(page);
    openWindow(page, CatalogueForm::frame);
    addControls(page, CatalogueForm::frame, CatalogueForm::controls);
    closeWindow(page);
    for (const DensityTable &table : kvarnel::reference::densityTables) {
        openWindow(page, table.window);
        addTable(page, table);
        closeWindow(page);
    }
    page.html += "</main>\n";

    std::string html = head(page.css, module, icon);
    // What the script needs of the description: the overflow alert, and the windows'
    // places in it (MainForm's enumerators), which it reads by the controls' ids.
    html += page.html;
    html += notices;
    html += "<template id=\"overflow\" data-title=\"" + escaped(MainForm::overflow.title) +
            "\" data-message=\"" + escaped(MainForm::overflow.message) + "\" data-button=\"" +
            escaped(MainForm::overflow.button) + "\"></template>\n<script>\n" + script +
            "</script>\n</body>\n</html>\n";
    write(folder / "index.html", html);
    files.insert(files.begin(), "./");

    std::string manifest = R"({
  "name": "Кварнель",
  "short_name": "Кварнель",
  "description": "Масса погонного метра круглой трубы и справочник плотностей материалов",
  "lang": "ru",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "background_color": "#3a6ea5",
  "theme_color": "#3a6ea5",
  "icons": [{ "src": ")" + icon +
                           R"(", "sizes": "any", "type": "image/svg+xml", "purpose": "any" }]
}
)";
    write(folder / "kvarnel.webmanifest", manifest);
    files.push_back("kvarnel.webmanifest");

    // The service worker names this version's files: a new version is a new worker, which
    // keeps the new set whole before it takes over.
    std::string list;
    for (const std::string &file : files)
        list += (list.empty() ? "" : ", ") + ("\"" + file + "\"");
    std::string worker = read(fs::path(argv[2]).parent_path() / "service-worker.js");
    const std::string version = hashOf(html + list + manifest);
    const auto replace = [&worker](const std::string &from, const std::string &to) {
        worker.replace(worker.find(from), from.size(), to);
    };
    replace("@VERSION@", version);
    replace("@FILES@", list);
    return write(folder / "service-worker.js", worker) ? 0 : 1;
}
