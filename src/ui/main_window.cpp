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

using W = MainWindow;

// In tab order. Left, top, width, height in twips; then the control a caption names, and
// the control's own font.
// clang-format off
constexpr Control table[] = {
    {ControlKind::Label, "Label1", "Наружный диаметр трубы (мм)", {120, 240, 2415, 255}, W::diameterBox},
    {ControlKind::Label, "Label2", "Толщина стенки трубы (мм)", {120, 600, 2415, 255}, W::wallBox},
    {ControlKind::Label, "Label3", "Плотность материала (кг/м3)", {120, 960, 2415, 255}, W::densityBox},
    {ControlKind::Button, W::densityButton, "ПЛОТНОСТЬ МАТЕРИАЛОВ", {120, 1320, 3615, 375}},
    {ControlKind::Label, W::areaCaption, "Сечение трубы (мм2) =", {120, 1920, 1815, 255}, W::areaResult},
    {ControlKind::Label, W::massCaption, "Масса  трубы  (кг/м) =", {120, 2400, 1815, 255}, W::massResult},
    {ControlKind::TextBox, W::diameterBox, "", {2640, 120, 1095, 285}},
    {ControlKind::TextBox, W::wallBox, "", {2640, 480, 1095, 285}},
    {ControlKind::TextBox, W::densityBox, "", {2640, 840, 1095, 285}},
    {ControlKind::Result, W::areaResult, "", {2040, 1920, 1695, 255}, nullptr, ControlFont{Face::MsSansSerif, 9.75}},
    {ControlKind::Result, W::massResult, "", {2040, 2280, 1695, 375}, nullptr, ControlFont{Face::Arial, 15.75}},
    {ControlKind::Button, W::calculateButton, "РАСЧЕТ", {120, 2760, 3615, 375}},
    {ControlKind::Button, W::clearButton, "ОЧИСТИТЬ", {120, 3240, 3615, 375}},
    {ControlKind::Button, W::exitButton, "ВЫХОД", {120, 3720, 3615, 375}},
    {ControlKind::Label, W::signature, "Vemra", {3240, 4200, 375, 255}},
};
// clang-format on

double readNumber(const QLineEdit *box)
{
    return to_number(box->text().toStdString());
}

} // namespace

const platform::WindowFrame MainWindow::frame{
    "Form1", "Кварнель", platform::Border::Fixed, {3855, 4455}};

std::span<const Control> MainWindow::controls()
{
    return table;
}

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    platform::applyFrame(this, frame);
    setFont(platform::dialogFont());
    buildControls(this, table);

    m_diameter = control<QLineEdit>(this, diameterBox);
    m_wall = control<QLineEdit>(this, wallBox);
    m_density = control<QLineEdit>(this, densityBox);
    m_area = control<FittingLabel>(this, areaResult);
    m_mass = control<FittingLabel>(this, massResult);

    // The signature may be wider in the substitute face than in the original; it grows
    // to the right, never past the window's edge.
    auto *signatureLabel = control<QLabel>(this, signature);
    const int needed = static_cast<int>(
        std::ceil(QFontMetricsF(signatureLabel->font()).horizontalAdvance(signatureLabel->text())));
    signatureLabel->resize(
        std::clamp(needed, signatureLabel->width(), width() - signatureLabel->x()),
        signatureLabel->height());

    connect(control<QPushButton>(this, densityButton), &QPushButton::clicked, this,
            &MainWindow::catalogueRequested);
    connect(control<QPushButton>(this, calculateButton), &QPushButton::clicked, this,
            &MainWindow::calculate);
    connect(control<QPushButton>(this, clearButton), &QPushButton::clicked, this,
            &MainWindow::clear);
    connect(control<QPushButton>(this, exitButton), &QPushButton::clicked, this,
            &MainWindow::exitRequested);

    control<QPushButton>(this, densityButton)->setFocus();
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
    platform::announce(this, line(areaCaption, m_area) + QStringLiteral(", ") +
                                 line(massCaption, m_mass));
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
