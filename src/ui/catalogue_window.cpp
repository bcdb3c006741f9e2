// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue_window.h"

#include "platform/fonts.h"
#include "platform/window_frame.h"
#include "reference/density_tables.h"
#include "ui/controls.h"

#include <QPushButton>

namespace kvarnel::ui {
namespace {

constexpr platform::WindowFrame frame{
    "Form2", "Плотность материалов", platform::Border::Fixed, {4935, 4005}};

// In tab order; button n opens reference table n - 1. Twips: left, top, width, height.
// clang-format off
constexpr Control controls[] = {
    {ControlKind::Button, "Command1", "Сталь обыкновенного качества  ГОСТ 380-94", {120, 120, 4695, 375}},
    {ControlKind::Button, "Command2", "Стали коррозионно-стойкие и жаропрочные ГОСТ 5632-72", {120, 600, 4695, 375}},
    {ControlKind::Button, "Command3", "Чугуны серые ГОСТ 1412-85", {120, 1080, 4695, 375}},
    {ControlKind::Button, "Command4", "Латунь ГОСТ 15527-70", {120, 1560, 4695, 375}},
    {ControlKind::Button, "Command5", "Медь ГОСТ 859-2001", {120, 2040, 4695, 375}},
    {ControlKind::Button, "Command6", "Сплавы алюминиевые деформируемые ГОСТ 4784-97", {120, 2520, 4695, 375}},
    {ControlKind::Button, "Command7", "Титан и сплавы титановые ГОСТ 19807-91", {120, 3000, 4695, 375}},
    {ControlKind::Button, "Command8", "Винипласты ТУ 6-01-737-72", {120, 3480, 4695, 375}},
};
// clang-format on
static_assert(std::size(controls) == reference::densityTables.size(), "one button per table");

} // namespace

CatalogueWindow::CatalogueWindow(QWidget *parent) : QWidget(parent)
{
    platform::applyFrame(this, frame);
    setFont(platform::dialogFont());
    buildControls(this, controls);

    for (int index = 0; index < static_cast<int>(std::size(controls)); ++index) {
        auto *button = control<QPushButton>(this, controls[index].name);
        connect(button, &QPushButton::clicked, this, [this, index] { emit tableRequested(index); });
    }
    control<QPushButton>(this, controls[0].name)->setFocus();
}

} // namespace kvarnel::ui
