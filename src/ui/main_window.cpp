// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "calc/number_text.h"
#include "calc/pipe.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/regional.h"
#include "platform/window_frame.h"
#include "ui/fitting_label.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace kvarnel::ui {
namespace {

using Form = design::MainForm;

double readNumber(const QLineEdit *box)
{
    return to_number(box->text().toStdString());
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent), m_controls(this), m_announcer(this)
{
    platform::applyFrame(this, Form::frame);
    setFont(platform::font(design::dialogFont));

    // The signature may be wider in the substitute face than in the original; it grows
    // to the right, never past the window's edge.
    QLabel *signature = m_controls.get<Form::Label8>();
    const int needed = static_cast<int>(
        std::ceil(QFontMetricsF(signature->font()).horizontalAdvance(signature->text())));
    signature->resize(std::clamp(needed, signature->width(), width() - signature->x()),
                      signature->height());

    connect(m_controls.get<Form::Command1>(), &QPushButton::clicked, this,
            &MainWindow::catalogueRequested);
    connect(m_controls.get<Form::Command2>(), &QPushButton::clicked, this, &MainWindow::calculate);
    connect(m_controls.get<Form::Command3>(), &QPushButton::clicked, this, &MainWindow::clear);
    connect(m_controls.get<Form::Command4>(), &QPushButton::clicked, this,
            &MainWindow::exitRequested);

    m_controls.get<Form::Command1>()->setFocus();
}

void MainWindow::calculate()
{
    FittingLabel *area = m_controls.get<Form::Label6>();
    FittingLabel *mass = m_controls.get<Form::Label7>();
    try {
        const double diameter = readNumber(m_controls.get<Form::Text1>());
        const double wall = readNumber(m_controls.get<Form::Text2>());
        const double density = readNumber(m_controls.get<Form::Text3>());
        area->showText({});
        mass->showText({});
        const PipeSection section = pipe_section(diameter, wall, density);
        const std::string separator = platform::decimalSeparator();
        area->showText(QString::fromStdString(to_text(section.area, separator)));
        mass->showText(QString::fromStdString(to_text(section.mass, separator)));
        announceResults();
    } catch (const FloatingPointError &) {
        area->showText({});
        mass->showText({});
        platform::reportError(this, Form::overflow);
    }
}

// Spoken as shown, each result after its caption, as a line of the window reads.
void MainWindow::announceResults()
{
    const auto line = [](const QLabel *caption, const QLabel *result) {
        return caption->text() + u' ' + result->text();
    };
    m_announcer.announce(line(m_controls.get<Form::Label4>(), m_controls.get<Form::Label6>()) +
                         QStringLiteral(", ") +
                         line(m_controls.get<Form::Label5>(), m_controls.get<Form::Label7>()));
}

void MainWindow::clear()
{
    m_controls.get<Form::Text1>()->clear();
    m_controls.get<Form::Text2>()->clear();
    m_controls.get<Form::Text3>()->clear();
    m_controls.get<Form::Label6>()->showText({});
    m_controls.get<Form::Label7>()->showText({});
}

} // namespace kvarnel::ui
