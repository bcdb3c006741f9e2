// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

#include <QWidget>

#include <span>

class QLineEdit;
class QPushButton;

namespace kvarnel::ui {

class FittingLabel;
struct Control;

// The calculator: outer diameter, wall thickness and density in, cross-section area and
// mass per metre out.
class MainWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit MainWindow(QWidget *parent = nullptr);

    static const platform::WindowFrame frame;
    static std::span<const Control> controls(); // in tab order

    // Controls by the names the window definitions give them, their objectNames.
    static constexpr const char *diameterBox = "Text1";
    static constexpr const char *wallBox = "Text2";
    static constexpr const char *densityBox = "Text3";
    static constexpr const char *densityButton = "Command1";
    static constexpr const char *calculateButton = "Command2";
    static constexpr const char *clearButton = "Command3";
    static constexpr const char *exitButton = "Command4";
    static constexpr const char *areaCaption = "Label4";
    static constexpr const char *massCaption = "Label5";
    static constexpr const char *areaResult = "Label6";
    static constexpr const char *massResult = "Label7";
    static constexpr const char *signature = "Label8";

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
