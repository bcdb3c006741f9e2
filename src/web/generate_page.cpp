// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page: the ten windows as HTML and CSS from the windows' description, at 15
// twips to a CSS pixel, with the tables drawn by the desktop's own rules, and the page's
// style and script, all in one file, which is all a first paint waits for; the numbers'
// module, the faces and the icon copied beside it under names that carry a hash of their
// content; the manifest; and a service worker that keeps exactly that set.
//   generate_page FOLDER --style page.css --script page.js --worker service-worker.js
//       --module core.wasm --icon kvarnel.svg --sans SANS.woff2 --serif SERIF.woff2
//       --serif-bold SERIF-BOLD.woff2
// or writes every text the tables show, for their faces to be cut to:
//   generate_page --table-texts FILE
#include "design/main_form.h"
#include "design/units.h"
#include "reference/density_tables.h"
#include "reference/table_drawing.h"
#include "web/markup.h"
#include "web/page_style.h"
#include "web/window_markup.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kvarnel::web;
using kvarnel::design::MainForm;
namespace fs = std::filesystem;

namespace {

// What stops the page from being made; its message names the file.
struct Failure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string read(const fs::path &file)
{
    std::error_code error;
    if (fs::is_regular_file(file, error)) {
        std::ifstream in(file, std::ios::binary);
        std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.is_open() && !in.bad())
            return content;
    }
    throw Failure("cannot read " + file.string());
}

void write(const fs::path &file, const std::string &content)
{
    std::ofstream out(file, std::ios::binary);
    out << content;
    out.close();
    if (!out)
        throw Failure("cannot write " + file.string());
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

// The value of a custom property that the page's style sets once, as `--name: value;`.
std::string customProperty(const std::string &css, const std::string &name, const fs::path &file)
{
    const std::size_t at = css.find(name + ":");
    const std::size_t end = at == std::string::npos ? at : css.find(';', at);
    if (end == std::string::npos)
        throw Failure(file.string() + " sets no " + name);
    const std::string value = css.substr(at + name.size() + 1, end - at - name.size() - 1);
    const std::size_t first = value.find_first_not_of(' ');
    return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

// The command line: the folder, then each input by its name.
struct Inputs
{
    fs::path folder;
    std::map<std::string, fs::path> files;

    const fs::path &operator[](const std::string &name) const { return files.at(name); }
};

const char *const inputNames[] = {"style", "script", "worker", "module",
                                  "icon",  "sans",   "serif",  "serif-bold"};

Inputs parse(int argc, char *argv[])
{
    Inputs inputs;
    if (argc != 2 + 2 * static_cast<int>(std::size(inputNames)))
        throw std::invalid_argument("wrong number of arguments");
    inputs.folder = argv[1];
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option.rfind("--", 0) != 0 ||
            !inputs.files.emplace(option.substr(2), argv[i + 1]).second)
            throw std::invalid_argument(option);
    }
    for (const char *name : inputNames) {
        if (!inputs.files.contains(name))
            throw std::invalid_argument(std::string("no --") + name);
    }
    return inputs;
}

// The files a version of the page is made of, each written once, and what the service
// worker is to keep: every one but the page itself under a name that carries its hash.
class Site
{
  public:
    explicit Site(fs::path folder) : m_folder(std::move(folder))
    {
        fs::create_directories(m_folder);
    }

    // Copied under a name with its content's hash: kvarnel.wasm becomes kvarnel.1a2b….wasm
    std::string place(const std::string &stem, const fs::path &source)
    {
        const std::string content = read(source);
        const std::string name = stem + "." + hashOf(content) + source.extension().string();
        put(name, content);
        return name;
    }

    void put(const std::string &name, const std::string &content)
    {
        write(m_folder / name, content);
        if (name == "index.html")
            m_kept.insert(m_kept.begin(), "./"); // the page first, as it is asked for
        else
            m_kept.push_back(name);
    }

    const std::vector<std::string> &kept() const { return m_kept; }
    void writeLast(const std::string &name, const std::string &content) const
    {
        write(m_folder / name, content);
    }

  private:
    fs::path m_folder;
    std::vector<std::string> m_kept;
};

// The faces the page's style names: the windows' face, shown at once in its metric twin
// until it is there, and the tables' two, which are loaded when the page is.
std::string faceRules(Site &site, const Inputs &inputs)
{
    const auto face = [](const std::string &file, const char *family, bool bold, bool swap) {
        return "@font-face{font-family:\"" + std::string(family) + "\";" +
               (bold ? "font-weight:bold;" : "") + "src:url(" + file + ") format(\"woff2\")" +
               (swap ? ";font-display:swap" : "") + "}\n";
    };
    std::string rules = face(site.place("sans", inputs["sans"]), "Liberation Sans", false, true);
    rules += face(site.place("serif", inputs["serif"]), "Liberation Serif", false, false);
    rules += face(site.place("serif-bold", inputs["serif-bold"]), "Liberation Serif", true, false);
    return rules;
}

// The widest screen, in CSS pixels, on which the windows are scaled to its width: a phone
// held upright.
constexpr int narrowScreen = 480;

// The ten windows, the calculator open, and the width below which they are scaled, for the
// page's script to lay them out again where the scale changes.
std::string windows(StyleSheet &style)
{
    Element desktop("main");
    desktop.set("id", "desktop").set("data-narrow", std::to_string(narrowScreen));
    desktop.add(mainWindow(style)).add(catalogueWindow(style));
    for (const kvarnel::reference::DensityTable &table : kvarnel::reference::densityTables)
        desktop.add(tableWindow(table, style));
    return desktop.html() + "\n";
}

// The page's head: what it is, its icon and manifest, and its whole style; and a script
// that says the page has one and begins to fetch its numbers while the rest is read, for
// the page's own script to take (a fetch that every engine uses, where a preload would be
// downloaded again by WebKit). The windows' face is not preloaded: a preloaded face holds
// the first paint back until it is there, while its metric twin (Arial, or the installed
// Liberation Sans) shows the same lines at once.
std::string head(const std::string &css, const std::string &module, const std::string &icon,
                 const std::string &themeColour)
{
    const std::string name = MainForm::frame.caption;
    Element head("head");
    head.add(Element("meta").set("charset", "utf-8"))
        .add(Element("meta")
                 .set("name", "viewport")
                 .set("content", "width=device-width, initial-scale=1"))
        .add(Element("title").text(name))
        .add(Element("meta")
                 .set("name", "description")
                 .set("content",
                      name +
                          ": масса погонного метра круглой трубы по наружному диаметру, толщине "
                          "стенки и плотности материала, со справочником плотностей сталей, "
                          "чугунов, латуней, меди, алюминиевых и титановых сплавов и винипластов."))
        .add(Element("meta").set("name", "theme-color").set("content", themeColour))
        .add(Element("link").set("rel", "icon").set("href", icon).set("type", "image/svg+xml"))
        .add(Element("link").set("rel", "manifest").set("href", "kvarnel.webmanifest"))
        .add(Element("link").set("rel", "license").set("href", "LICENSE.txt"))
        .add(Element("style").rawText(css))
        .add(Element("script").rawText("document.documentElement.className = \"scripted\";\n"
                                       "const numbers = fetch(" +
                                       jsonString(module) + ");\n"));
    return "<!doctype html>\n"
           "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
           "<html lang=\"ru\">\n" +
           head.html() + "\n";
}

// What the page says beside its windows: the results spoken, the overflow alert, the end
// of the program, and why it cannot calculate, where it cannot.
std::string notices()
{
    const kvarnel::design::Alert &overflow = MainForm::overflow;
    const auto banner = [](std::string_view text) {
        return Element("div").set("class", "notice banner").add(Element("p").text(text));
    };
    Element said("div");
    said.set("id", "said").set("class", "unseen").set("role", "status").set("aria-live", "polite");
    Element alert("dialog");
    alert.set("id", "alert")
        .set("role", "alertdialog")
        .set("aria-labelledby", "alert-title")
        .set("aria-describedby", "alert-message")
        .add(Element("div")
                 .set("class", "title")
                 .add(Element("h2").set("id", "alert-title").text(overflow.title)))
        .add(Element("form")
                 .set("method", "dialog")
                 .set("class", "body")
                 .add(Element("p").set("id", "alert-message").text(overflow.message))
                 .add(Element("button").set("id", "alert-button").text(overflow.button)));
    Element ended("div");
    ended.set("id", "ended")
        .set("class", "notice")
        .set("hidden")
        .add(Element("p").text("Кварнель завершила работу."))
        .add(Element("button")
                 .set("type", "button")
                 .set("data-action", actions::again)
                 .text("Запустить снова"))
        .add(Element("a")
                 .set("href", "THIRD-PARTY-NOTICES.txt")
                 .text("Лицензия и сведения о составных частях"));
    Element unable = banner("Этот браузер не умеет выполнять WebAssembly с исключениями, поэтому "
                            "Кварнель не может считать; справочник плотностей открыт ниже.");
    unable.set("id", "unable").set("hidden");
    Element noscript("noscript");
    noscript.add(banner("Кварнели нужен JavaScript, чтобы считать: включите его. Справочник "
                        "плотностей открыт ниже."));
    return said.html() + "\n" + alert.html() + "\n" + ended.html() + "\n" + unable.html() + "\n" +
           noscript.html() + "\n";
}

// The manifest by which a browser installs the page as the app.
std::string manifest(const std::string &icon, const std::string &colour)
{
    const std::string name = jsonString(MainForm::frame.caption);
    const std::string image = jsonObject({{"src", jsonString(icon)},
                                          {"sizes", jsonString("any")},
                                          {"type", jsonString("image/svg+xml")},
                                          {"purpose", jsonString("any")}});
    const std::string description =
        jsonString("Масса погонного метра круглой трубы и справочник плотностей материалов");
    return jsonObject({{"name", name},
                       {"short_name", name},
                       {"description", description},
                       {"lang", jsonString("ru")},
                       {"start_url", jsonString("./")},
                       {"scope", jsonString("./")},
                       {"display", jsonString("standalone")},
                       {"background_color", jsonString(colour)},
                       {"theme_color", jsonString(colour)},
                       {"icons", "[" + image + "]"}}) +
           "\n";
}

// The service worker of this version: its name and its files, then what it does with them.
// A new version is a new worker, which keeps the new set whole before it takes over.
std::string worker(const std::string &script, const std::vector<std::string> &files,
                   const std::string &version)
{
    std::string list;
    for (const std::string &file : files)
        list += (list.empty() ? "" : ", ") + jsonString(file);
    return "\"use strict\";\nconst version = " + jsonString("kvarnel-" + version) +
           ";\nconst files = [" + list + "];\n" + script;
}

void writeTableTexts(const fs::path &file)
{
    std::string texts;
    for (const kvarnel::reference::DensityTable &table : kvarnel::reference::densityTables) {
        for (const kvarnel::reference::TableText &text : kvarnel::reference::drawingOf(table).texts)
            texts += std::string(text.text) + "\n";
    }
    write(file, texts);
}

void generate(const Inputs &inputs)
{
    Site site(inputs.folder);
    const std::string module = site.place("kvarnel", inputs["module"]);
    const std::string icon = site.place("kvarnel", inputs["icon"]);
    const std::string pageCss = read(inputs["style"]);
    const std::string desktop = customProperty(pageCss, "--desktop", inputs["style"]);

    StyleSheet style;
    style.add(pageCss + faceRules(site, inputs));
    style.add(rule(".client, #alert .body", {{"font", cssFont(kvarnel::design::dialogFont)}}));
    // On a narrow screen every window is scaled by what fits the calculator to its width,
    // or where that is too wide, by what fits the window itself.
    const int calculatorWidth = kvarnel::design::toPixels(MainForm::frame.client).width;
    style.add("@container page (max-width: " + std::to_string(narrowScreen) + "px) {\n" +
              rule("#desktop, #alert",
                   {{"--screen", "calc(var(--room) / " + std::to_string(calculatorWidth) + ")"}}) +
              rule(".window", {{"--k", "min(var(--screen), var(--fits))"}}) + "}\n");
    style.add(rule(".client table",
                   {{"background", cssColour(kvarnel::reference::table_colours::silver)}}));
    const std::string body =
        windows(style) + notices() +
        Element("script").set("type", "module").rawText(read(inputs["script"])).html() + "\n";
    const std::string html =
        head(style.css(), module, icon, desktop) + "<body>\n" + body + "</body>\n</html>\n";
    site.put("index.html", html);
    const std::string installed = manifest(icon, desktop);
    site.put("kvarnel.webmanifest", installed);
    site.writeLast("service-worker.js",
                   worker(read(inputs["worker"]), site.kept(), hashOf(html + installed)));
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        if (argc == 3 && std::string_view(argv[1]) == "--table-texts") {
            writeTableTexts(argv[2]);
            return 0;
        }
        generate(parse(argc, argv));
        return 0;
    } catch (const std::invalid_argument &wrong) {
        std::fprintf(stderr,
                     "generate_page: %s\nusage: generate_page FOLDER --style FILE --script FILE "
                     "--worker FILE --module FILE --icon FILE --sans FILE --serif FILE "
                     "--serif-bold FILE\n       generate_page --table-texts FILE\n",
                     wrong.what());
        return 2;
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "generate_page: %s\n", failure.what());
        return 1;
    }
}
