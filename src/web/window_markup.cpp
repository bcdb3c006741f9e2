// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/window_markup.h"

#include "design/main_form.h"
#include "design/units.h"
#include "reference/catalogue_form.h"
#include "web/page_style.h"

#include <span>
#include <string>

namespace kvarnel::web {
namespace {

using design::Control;
using design::ControlKind;
using design::MainForm;
using design::WindowFrame;

// What the page's script does with the main window's controls, by the description's
// enumerators: the boxes and results by the part they play in the calculation, which reads
// the diameter, the wall and the density and writes the area and the mass; the buttons by
// what they do.
struct Binding
{
    MainForm::Id control;
    std::string_view attribute;
    std::string_view value;
};

constexpr Binding mainBindings[] = {
    {MainForm::Text1, "data-input", "diameter"},
    {MainForm::Text2, "data-input", "wall"},
    {MainForm::Text3, "data-input", "density"},
    {MainForm::Label6, "data-result", "area"},
    {MainForm::Label7, "data-result", "mass"},
    {MainForm::Command1, "data-action", actions::open},
    {MainForm::Command1, "data-opens", reference::CatalogueForm::frame.name},
    {MainForm::Command2, "data-action", actions::calculate},
    {MainForm::Command3, "data-action", actions::clear},
    {MainForm::Command4, "data-action", actions::end},
};

std::string idOf(const WindowFrame &frame, const Control &control)
{
    return std::string(frame.name) + "-" + control.name;
}

std::string styleOf(const WindowFrame &frame, const Control &control)
{
    std::string style = cssBox(control.rect);
    if (control.width == design::Width::FitsText) {
        const design::WidthRange range = design::widthRange(control, frame.client);
        style += declarations({{"width", "max-content"},
                               {"min-width", cssLength(range.least)},
                               {"max-width", cssLength(range.most)}});
    }
    return style;
}

// A control where the description puts it, of the element its kind is read as. Its own
// font is its class's, so that the page's script may set a smaller size over it and take
// that away again.
Element controlOf(const WindowFrame &frame, std::span<const Control> controls, std::size_t index,
                  StyleSheet &style)
{
    const Control &control = controls[index];
    const auto element = [&](std::string_view tag) {
        Element made(tag);
        made.set("id", idOf(frame, control)).set("style", styleOf(frame, control));
        if (control.font)
            made.set("class", style.classFor(declarations({{"font", cssFont(*control.font)}})));
        return made;
    };
    switch (control.kind) {
    case ControlKind::Label: {
        Element label = element("label");
        if (control.buddy >= 0)
            label.set("for", idOf(frame, controls[static_cast<std::size_t>(control.buddy)]));
        return label.text(control.text);
    }
    case ControlKind::Result:
        return element("output").set("aria-live", "off");
    case ControlKind::TextBox:
        // A decimal keyboard on a phone, and nothing that corrects what is typed.
        return element("input")
            .set("type", "text")
            .set("inputmode", "decimal")
            .set("autocomplete", "off")
            .set("autocorrect", "off")
            .set("autocapitalize", "off")
            .set("spellcheck", "false");
    case ControlKind::Button:
        return element("button").set("type", "button").text(control.text);
    }
    return Element("div");
}

} // namespace

Element windowOf(const WindowFrame &frame, const Element &client, StyleSheet &style, bool shown)
{
    const std::string id = frame.name;
    const design::PixelSize size = design::toPixels(frame.client);
    // What fits it to a narrow screen: as many CSS pixels to each of its own as leaves the
    // room that the screen has for a window.
    style.add(
        rule("#" + id, {{"--fits", "calc(var(--room) / " + std::to_string(size.width) + ")"}}));
    style.add(rule("#" + id + " .client",
                   {{"width", cssLength(size.width)}, {"height", cssLength(size.height)}}));
    Element window("section");
    window.set("class", shown ? "window open" : "window")
        .set("id", id)
        .set("role", "dialog")
        .set("aria-labelledby", id + "-title");
    if (frame.border == design::Border::Sizable)
        window.set("data-sizable");
    const std::string caption = frame.caption;
    Element title("div");
    title.set("class", "title")
        .add(Element("h2").set("id", id + "-title").text(caption))
        .add(Element("button")
                 .set("type", "button")
                 .set("class", "close")
                 .set("tabindex", "-1") // out of the tab order, as the desktop's frame is
                 .set("aria-label", "Закрыть «" + caption + "»")
                 .set("data-action", actions::close)
                 .text("×"));
    window.add(title).add(client);
    if (frame.border == design::Border::Sizable)
        window.add(Element("div").set("class", "grip").set("aria-hidden", "true"));
    return window;
}

Element mainWindow(StyleSheet &style)
{
    Element client("div");
    client.set("class", "client");
    for (std::size_t index = 0; index < std::size(MainForm::controls); ++index) {
        Element control = controlOf(MainForm::frame, MainForm::controls, index, style);
        for (const Binding &binding : mainBindings) {
            if (binding.control == static_cast<int>(index))
                control.set(binding.attribute, binding.value);
        }
        client.add(control);
    }
    return windowOf(MainForm::frame, client, style, true);
}

Element catalogueWindow(StyleSheet &style)
{
    using reference::CatalogueForm;
    Element client("div");
    client.set("class", "client");
    for (std::size_t index = 0; index < CatalogueForm::buttonCount; ++index) {
        client.add(controlOf(CatalogueForm::frame, CatalogueForm::controls, index, style)
                       .set("data-action", actions::open)
                       .set("data-opens", reference::densityTables[index].window.name));
    }
    return windowOf(CatalogueForm::frame, client, style);
}

} // namespace kvarnel::web
