// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/main_form.h"
#include "platform/accessibility.h"
#include "ui/controls.h"

#include <QWidget>

namespace kvarnel::ui {

// The calculator: outer diameter, wall thickness and density in, cross-section area and
// mass per metre out.
class MainWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit MainWindow(QWidget *parent = nullptr);

  signals:
    void catalogueRequested();
    void exitRequested();

  private:
    void calculate();
    void announceResults();
    void clear();

    Controls<design::MainForm> m_controls;
    platform::Announcer m_announcer;
};

} // namespace kvarnel::ui
