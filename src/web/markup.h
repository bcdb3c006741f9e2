// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace kvarnel::web {

// An HTML element. Its attribute values and its text are escaped as they are added, so no
// text of the description can ever be read as markup; tags and attribute names are the
// generator's own.
class Element
{
  public:
    explicit Element(std::string_view tag);

    Element &set(std::string_view attribute, std::string_view value);
    Element &set(std::string_view attribute); // one that is there or not, as `hidden`
    Element &text(std::string_view text);
    // The content of a style or script element, which HTML takes as it stands up to the
    // element's end tag: one inside it cannot be written.
    Element &rawText(std::string_view text);
    Element &add(const Element &child);

    std::string html() const;

  private:
    std::string m_tag;
    std::string m_attributes;
    std::string m_content;
};

// CSS declarations, "name:value;…", in the order given.
using Declaration = std::pair<std::string_view, std::string>;
std::string declarations(std::initializer_list<Declaration> list);

// A CSS rule: "selector{declarations}" and a line end.
std::string rule(std::string_view selector, std::initializer_list<Declaration> list);

// A JSON string, quoted and escaped.
std::string jsonString(std::string_view text);

// A JSON object of these members, each value already JSON, in the order given.
using Member = std::pair<std::string_view, std::string>;
std::string jsonObject(std::initializer_list<Member> members);

} // namespace kvarnel::web
