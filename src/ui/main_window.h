// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace kvarnel::ui {

class FittingLabel;

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

    QLineEdit *m_diameter;
    QLineEdit *m_wall;
    QLineEdit *m_density;
    FittingLabel *m_area;
    FittingLabel *m_mass;
};

} // namespace kvarnel::ui
