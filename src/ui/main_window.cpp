// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "calc/calculation.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/regional.h"
#include "platform/window_frame.h"
#include "ui/fitting_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace kvarnel::ui {
namespace {

using Form = design::MainForm;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent), m_controls(this), m_announcer(this)
{
    platform::applyFrame(this, Form::frame);
    setFont(platform::font(design::dialogFont));

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
    const auto typed = [](const QLineEdit *box) { return box->text().toStdString(); };
    const std::optional<ResultTexts> results = kvarnel::calculate(
        typed(m_controls.get<Form::Text1>()), typed(m_controls.get<Form::Text2>()),
        typed(m_controls.get<Form::Text3>()), platform::decimalSeparator());
    const ResultTexts shown = results.value_or(ResultTexts{});
    m_controls.get<Form::Label6>()->showText(QString::fromStdString(shown.area));
    m_controls.get<Form::Label7>()->showText(QString::fromStdString(shown.mass));
    if (results)
        announceResults();
    else
        platform::reportError(this, Form::overflow);
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
