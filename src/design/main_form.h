// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <iterator>

namespace kvarnel::design {

// The calculator's window: outer diameter, wall thickness and density in, cross-section
// area and mass per metre out. Code names a control by its enumerator, which is also its
// place in `controls`.
struct MainForm
{
    // In tab order.
    enum Id : int {
        Label1,
        Label2,
        Label3,
        Command1,
        Label4,
        Label5,
        Text1,
        Text2,
        Text3,
        Label6,
        Label7,
        Command2,
        Command3,
        Command4,
        Label8,
    };

    static constexpr WindowFrame frame{"Form1", "Кварнель", Border::Fixed, {3855, 4455}};

    // Left, top, width, height in twips; then the control a caption names, and the
    // control's own font.
    // clang-format off
    static constexpr Control controls[] = {
        {ControlKind::Label, "Label1", "Наружный диаметр трубы (мм)", {120, 240, 2415, 255}, Text1},
        {ControlKind::Label, "Label2", "Толщина стенки трубы (мм)", {120, 600, 2415, 255}, Text2},
        {ControlKind::Label, "Label3", "Плотность материала (кг/м3)", {120, 960, 2415, 255}, Text3},
        {ControlKind::Button, "Command1", "ПЛОТНОСТЬ МАТЕРИАЛОВ", {120, 1320, 3615, 375}},
        {ControlKind::Label, "Label4", "Сечение трубы (мм2) =", {120, 1920, 1815, 255}, Label6},
        {ControlKind::Label, "Label5", "Масса  трубы  (кг/м) =", {120, 2400, 1815, 255}, Label7},
        {ControlKind::TextBox, "Text1", "", {2640, 120, 1095, 285}},
        {ControlKind::TextBox, "Text2", "", {2640, 480, 1095, 285}},
        {ControlKind::TextBox, "Text3", "", {2640, 840, 1095, 285}},
        {ControlKind::Result, "Label6", "", {2040, 1920, 1695, 255}, -1, Font{Face::MsSansSerif, 9.75}},
        {ControlKind::Result, "Label7", "", {2040, 2280, 1695, 375}, -1, Font{Face::Arial, 15.75}},
        {ControlKind::Button, "Command2", "РАСЧЕТ", {120, 2760, 3615, 375}},
        {ControlKind::Button, "Command3", "ОЧИСТИТЬ", {120, 3240, 3615, 375}},
        {ControlKind::Button, "Command4", "ВЫХОД", {120, 3720, 3615, 375}},
        {ControlKind::Label, "Label8", "Vemra", {3240, 4200, 375, 255}, -1, std::nullopt, Width::FitsText},
    };
    // clang-format on
    static_assert(std::size(controls) == Label8 + 1, "a control for every enumerator");

    // What a calculation whose numbers leave the double range shows, the results left
    // empty: no result is better than a stale one beside the new inputs.
    static constexpr Alert overflow{
        frame.caption, "Переполнение: введённые значения слишком велики для расчёта.", "ОК"};
};

} // namespace kvarnel::design
