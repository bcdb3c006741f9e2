// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/markup.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace kvarnel::web {
namespace {

// The elements that have no content and no end tag.
bool isVoid(std::string_view tag)
{
    constexpr std::array<std::string_view, 5> voids{"col", "input", "link", "meta", "br"};
    for (std::string_view v : voids) {
        if (v == tag)
            return true;
    }
    return false;
}

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
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

} // namespace

Element::Element(std::string_view tag) : m_tag(tag) {}

Element &Element::set(std::string_view attribute, std::string_view value)
{
    m_attributes += ' ';
    m_attributes += attribute;
    m_attributes += "=\"" + escaped(value) + '"';
    return *this;
}

Element &Element::set(std::string_view attribute)
{
    m_attributes += ' ';
    m_attributes += attribute;
    return *this;
}

Element &Element::text(std::string_view text)
{
    m_content += escaped(text);
    return *this;
}

Element &Element::rawText(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find("</" + m_tag) != std::string::npos)
        throw std::runtime_error("a " + m_tag + " element would end inside its own text");
    m_content += text;
    return *this;
}

Element &Element::add(const Element &child)
{
    m_content += child.html();
    return *this;
}

std::string Element::html() const
{
    std::string out = '<' + m_tag + m_attributes + '>';
    if (!isVoid(m_tag))
        out += m_content + "</" + m_tag + '>';
    return out;
}

std::string declarations(std::initializer_list<Declaration> list)
{
    std::string out;
    for (const auto &[name, value] : list) {
        out += name;
        out += ':' + value + ';';
    }
    return out;
}

std::string rule(std::string_view selector, std::initializer_list<Declaration> list)
{
    return std::string(selector) + '{' + declarations(list) + "}\n";
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string jsonObject(std::initializer_list<Member> members)
{
    std::string out;
    for (const auto &[name, value] : members)
        out += (out.empty() ? "{" : ",") + jsonString(name) + ":" + value;
    return out + "}";
}

} // namespace kvarnel::web
