// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "calc/number_text.h"
#include "calc/pipe.h"
#include "platform/accessibility.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/regional.h"
#include "platform/window_frame.h"
#include "ui/controls.h"
#include "ui/fitting_label.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace kvarnel::ui {
namespace {

using platform::Face;

constexpr platform::WindowFrame frame{"Form1", "Кварнель", platform::Border::Fixed, {3855, 4455}};

// In tab order. Left, top, width, height in twips; then the control a caption names, and
// the control's own font.
// clang-format off
constexpr Control controls[] = {
    {ControlKind::Label, "Label1", "Наружный диаметр трубы (мм)", {120, 240, 2415, 255}, "Text1"},
    {ControlKind::Label, "Label2", "Толщина стенки трубы (мм)", {120, 600, 2415, 255}, "Text2"},
    {ControlKind::Label, "Label3", "Плотность материала (кг/м3)", {120, 960, 2415, 255}, "Text3"},
    {ControlKind::Button, "Command1", "ПЛОТНОСТЬ МАТЕРИАЛОВ", {120, 1320, 3615, 375}},
    {ControlKind::Label, "Label4", "Сечение трубы (мм2) =", {120, 1920, 1815, 255}, "Label6"},
    {ControlKind::Label, "Label5", "Масса  трубы  (кг/м) =", {120, 2400, 1815, 255}, "Label7"},
    {ControlKind::TextBox, "Text1", "", {2640, 120, 1095, 285}},
    {ControlKind::TextBox, "Text2", "", {2640, 480, 1095, 285}},
    {ControlKind::TextBox, "Text3", "", {2640, 840, 1095, 285}},
    {ControlKind::Result, "Label6", "", {2040, 1920, 1695, 255}, nullptr, ControlFont{Face::MsSansSerif, 9.75}},
    {ControlKind::Result, "Label7", "", {2040, 2280, 1695, 375}, nullptr, ControlFont{Face::Arial, 15.75}},
    {ControlKind::Button, "Command2", "РАСЧЕТ", {120, 2760, 3615, 375}},
    {ControlKind::Button, "Command3", "ОЧИСТИТЬ", {120, 3240, 3615, 375}},
    {ControlKind::Button, "Command4", "ВЫХОД", {120, 3720, 3615, 375}},
    {ControlKind::Label, "Label8", "Vemra", {3240, 4200, 375, 255}},
};
// clang-format on

double readNumber(const QLineEdit *box)
{
    return to_number(box->text().toStdString());
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    platform::applyFrame(this, frame);
    setFont(platform::dialogFont());
    buildControls(this, controls);

    m_diameter = control<QLineEdit>(this, "Text1");
    m_wall = control<QLineEdit>(this, "Text2");
    m_density = control<QLineEdit>(this, "Text3");
    m_area = control<FittingLabel>(this, "Label6");
    m_mass = control<FittingLabel>(this, "Label7");

    // The signature may be wider in the substitute face than in the original; it grows
    // to the right, never past the window's edge.
    auto *signature = control<QLabel>(this, "Label8");
    const int needed = static_cast<int>(
        std::ceil(QFontMetricsF(signature->font()).horizontalAdvance(signature->text())));
    signature->resize(std::clamp(needed, signature->width(), width() - signature->x()),
                      signature->height());

    connect(control<QPushButton>(this, "Command1"), &QPushButton::clicked, this,
            &MainWindow::catalogueRequested);
    connect(control<QPushButton>(this, "Command2"), &QPushButton::clicked, this,
            &MainWindow::calculate);
    connect(control<QPushButton>(this, "Command3"), &QPushButton::clicked, this,
            &MainWindow::clear);
    connect(control<QPushButton>(this, "Command4"), &QPushButton::clicked, this,
            &MainWindow::exitRequested);

    control<QPushButton>(this, "Command1")->setFocus();
}

void MainWindow::calculate()
{
    try {
        const double diameter = readNumber(m_diameter);
        const double wall = readNumber(m_wall);
        const double density = readNumber(m_density);
        m_area->showText({});
        m_mass->showText({});
        const PipeSection section = pipe_section(diameter, wall, density);
        const std::string separator = platform::decimalSeparator();
        m_area->showText(QString::fromStdString(to_text(section.area, separator)));
        m_mass->showText(QString::fromStdString(to_text(section.mass, separator)));
        announceResults();
    } catch (const FloatingPointError &) {
        // No result is better than a stale one beside the new inputs.
        m_area->showText({});
        m_mass->showText({});
        platform::reportError(
            this, QStringLiteral("Переполнение: введённые значения слишком велики для расчёта."));
    }
}

// Spoken as shown: "Сечение трубы (мм2) = 587,965, Масса  трубы  (кг/м) = 5,174092".
void MainWindow::announceResults()
{
    const auto line = [this](const char *caption, const FittingLabel *result) {
        return control<QLabel>(this, caption)->text() + u' ' + result->text();
    };
    platform::announce(this,
                       line("Label4", m_area) + QStringLiteral(", ") + line("Label5", m_mass));
}

void MainWindow::clear()
{
    m_diameter->clear();
    m_wall->clear();
    m_density->clear();
    m_area->showText({});
    m_mass->showText({});
}

} // namespace kvarnel::ui
