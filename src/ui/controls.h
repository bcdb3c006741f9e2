// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <span>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvarnel::ui {

class FittingLabel;

// The widget that shows each kind of control.
template<design::ControlKind> struct WidgetOf;
template<> struct WidgetOf<design::ControlKind::Label>
{
    using type = QLabel;
};
template<> struct WidgetOf<design::ControlKind::Result>
{
    using type = FittingLabel;
};
template<> struct WidgetOf<design::ControlKind::TextBox>
{
    using type = QLineEdit;
};
template<> struct WidgetOf<design::ControlKind::Button>
{
    using type = QPushButton;
};

// Makes the controls as children of `window`, whose client area is `client`, in the order
// given, each named, placed and captioned as described; `widgets` receives them in the
// same order.
void buildControls(QWidget *window, design::TwipSize client,
                   std::span<const design::Control> controls, std::span<QWidget *> widgets);

// The controls of a window built from its description `Form`, reached by the description's
// enumerators: get<Form::Text1>() is the QLineEdit that Text1 describes.
template<typename Form> class Controls
{
  public:
    explicit Controls(QWidget *window)
    {
        buildControls(window, Form::frame.client, Form::controls, m_widgets);
    }

    template<int id> auto *get() const
    {
        using Widget = typename WidgetOf<Form::controls[id].kind>::type;
        return static_cast<Widget *>(m_widgets[id]);
    }

    // By place, in a window whose controls are all of one kind.
    template<design::ControlKind kind> auto *all(std::size_t index) const
    {
        static_assert(std::ranges::all_of(Form::controls,
                                          [](const design::Control &c) { return c.kind == kind; }));
        return static_cast<typename WidgetOf<kind>::type *>(m_widgets.at(index));
    }

  private:
    std::array<QWidget *, std::size(Form::controls)> m_widgets{};
};

} // namespace kvarnel::ui
