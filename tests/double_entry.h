// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <array>

// The program's fixed facts written out a second time, by hand, from the window
// definitions and the standards' extracts: what the tests hold the program's windows (and
// so the description they are built from) to, so that a slip in either copy fails. Sizes
// in pixels are twips divided by 15, worked out here.
namespace expected {

using kvarnel::design::ControlKind;

struct Window
{
    const char *name;
    const char *caption;
    QSize twips;  // client
    QSize pixels; // the same
};

inline constexpr Window mainWindow{"Form1", "Кварнель", {3855, 4455}, {257, 297}};
inline constexpr Window catalogue{"Form2", "Плотность материалов", {4935, 4005}, {329, 267}};

struct Control
{
    ControlKind kind;
    const char *name;
    const char *text;
    QRect twips;
    const char *names = nullptr; // the control a caption names for screen readers
};

// In tab order.
// clang-format off
inline constexpr Control mainControls[] = {
    {ControlKind::Label, "Label1", "Наружный диаметр трубы (мм)", {120, 240, 2415, 255}, "Text1"},
    {ControlKind::Label, "Label2", "Толщина стенки трубы (мм)", {120, 600, 2415, 255}, "Text2"},
    {ControlKind::Label, "Label3", "Плотность материала (кг/м3)", {120, 960, 2415, 255}, "Text3"},
    {ControlKind::Button, "Command1", "ПЛОТНОСТЬ МАТЕРИАЛОВ", {120, 1320, 3615, 375}},
    {ControlKind::Label, "Label4", "Сечение трубы (мм2) =", {120, 1920, 1815, 255}, "Label6"},
    {ControlKind::Label, "Label5", "Масса  трубы  (кг/м) =", {120, 2400, 1815, 255}, "Label7"},
    {ControlKind::TextBox, "Text1", "", {2640, 120, 1095, 285}},
    {ControlKind::TextBox, "Text2", "", {2640, 480, 1095, 285}},
    {ControlKind::TextBox, "Text3", "", {2640, 840, 1095, 285}},
    {ControlKind::Result, "Label6", "", {2040, 1920, 1695, 255}}, // MS Sans Serif 9.75 pt
    {ControlKind::Result, "Label7", "", {2040, 2280, 1695, 375}}, // Arial 15.75 pt
    {ControlKind::Button, "Command2", "РАСЧЕТ", {120, 2760, 3615, 375}},
    {ControlKind::Button, "Command3", "ОЧИСТИТЬ", {120, 3240, 3615, 375}},
    {ControlKind::Button, "Command4", "ВЫХОД", {120, 3720, 3615, 375}},
    {ControlKind::Label, "Label8", "Vemra", {3240, 4200, 375, 255}},
};
// clang-format on

// A rectangle in twips as the screen shows it, 15 twips to a pixel.
inline QRect inPixels(QRect twips)
{
    return {twips.topLeft() / 15, twips.size() / 15};
}

// What an overflow shows, under the program's name, with one button.
inline constexpr const char *overflow =
    "Переполнение: введённые значения слишком велики для расчёта.";
inline constexpr const char *alertButton = "ОК";

// The catalogue: button i (Command1 first) at (120, 120 + 480 i), 4695 × 375 twips, captioned
// as tables[i].button says.
inline QRect catalogueButton(int index)
{
    return {120, 120 + 480 * index, 4695, 375};
}

struct Table
{
    const char *name;
    const char *caption;
    const char *button; // in the catalogue
    bool sizable;
    QSize twips;  // client
    QSize pixels; // the same
    const char *headers;
    bool boldHeader;
    const char *grades;                // separated by |
    const char *densities;             // one per grade, or the merged density alone
    const char *weights;               // b or r for each grade
    double mergedPoints;               // 0 without a merged density
    std::array<double, 4> millimetres; // grade column, density column, width, height
};

// clang-format off
inline constexpr Table tables[] = {
    {"Form3", "Сталь обыкновенного качества", "Сталь обыкновенного качества  ГОСТ 380-94",
     false, {4005, 6090}, {267, 406}, "СТАЛЬ|ПЛОТНОСТЬ", false,
     "Ст2|Ст2кп|Ст2пс|Ст2сп|Ст3|Ст3Гсп|Ст3кп|Ст3пс|Ст3сп|Ст4кп|Ст4пс|Ст5|Ст5пс|Ст5сп|Ст6|Ст6пс|Ст6сп",
     "7850кг/м3", "rrrrrrrrrrrrrrrrb", 20, {25.9, 43.8, 70.15, 106.94}},
    {"Form4", "Стали коррозионно-стойкие и жаропрочные",
     "Стали коррозионно-стойкие и жаропрочные ГОСТ 5632-72",
     false, {5430, 7455}, {362, 497}, "СТАЛЬ|ПЛОТНОСТЬ", true,
     "Сталь 08Х13|Сталь 08Х17Т|Сталь 08Х18Н10|Сталь 08Х18Н10Т|Сталь 08Х22Н6Т|Сталь 10Х13СЮ|"
     "Сталь 10Х17Н13М2Т|Сталь 10Х23Н18|Сталь 12Х13|Сталь 12Х17|Сталь 12Х18Н10Т|Сталь 12Х18Н9|"
     "Сталь 12Х18Н9Т|Сталь 15Х25Т|Сталь 15Х5|Сталь 17Х18Н9|Сталь 20Х13|Сталь 20Х20Н14С2|"
     "Сталь 30Х13|Сталь 40Х13|Сталь 40Х9С2",
     "7760 кг/м3|7700 кг/м3|7850 кг/м3|7900 кг/м3|7700 кг/м3|7850 кг/м3|7900 кг/м3|"
     "7950 кг/м3|7720 кг/м3|7720 кг/м3|7900 кг/м3|7900 кг/м3|7900 кг/м3|7600 кг/м3|"
     "7630 кг/м3|7850 кг/м3|7670 кг/м3|7800 кг/м3|7670 кг/м3|7650 кг/м3|7630 кг/м3",
     "bbbbbbbbbbbbbbbbbbbbb", 0, {53.1, 41.8, 95.37, 130.59}},
    {"Form5", "Чугуны серые", "Чугуны серые ГОСТ 1412-85",
     false, {3975, 2745}, {265, 183}, "МАРКА|ПЛОТНОСТЬ", true,
     "СЧ10|СЧ15|СЧ18|СЧ20|СЧ25|СЧ30|СЧ35", "7200 кг/м3", "bbbbbbb", 18,
     {28.0, 41.8, 70.29, 47.66}},
    {"Form6", "Латунь", "Латунь ГОСТ 15527-70",
     true, {3960, 4380}, {264, 292}, "МАРКА|ПЛОТНОСТЬ", true,
     "Л60|Л63|Л68|Л80|Л90|Л96|ЛА 77-2|ЛК 80-3|ЛН 65-5|ЛО 62-1|ЛО 70-1|ЛС 59-1",
     "8800 кг/м3|8800 кг/м3|8800 кг/м3|8800 кг/м3|8800 кг/м3|8800 кг/м3|"
     "8540 кг/м3|8540 кг/м3|8540 кг/м3|8540 кг/м3|8540 кг/м3|8500 кг/м3",
     "bbbbbbbbbbbb", 0, {28.0, 41.8, 70.29, 77.55}},
    {"Form7", "Медь", "Медь ГОСТ 859-2001",
     false, {4155, 1995}, {277, 133}, "МАРКА|ПЛОТНОСТЬ", true,
     "М0|М1|М2|М3|М4", "8940 кг/м3", "bbbbb", 18, {27.0, 45.9, 73.34, 35.84}},
    {"Form8", "Сплавы алюминиевые деформируемые", "Сплавы алюминиевые деформируемые ГОСТ 4784-97",
     false, {4275, 6075}, {285, 405}, "МАРКА|ПЛОТНОСТЬ", true,
     "АД0|АД1|АК6|АК8|АМг2|АМг3|АМг4|АМг5|АМг6|Амц|В95оч|В95пч|В96Ц1|Д1|Д16|Д18|Д19",
     "2710 кг/м3|2710 кг/м3|2800 кг/м3|2800 кг/м3|2680 кг/м3|2680 кг/м3|2680 кг/м3|"
     "2680 кг/м3|2640 кг/м3|2730 кг/м3|2850 кг/м3|2850 кг/м3|2850 кг/м3|2800 кг/м3|"
     "2800 кг/м3|2800 кг/м3|2800 кг/м3",
     "bbbbbbbbbbbbbbbbr", 0, {30.0, 44.8, 75.30, 106.94}},
    {"Form9", "Титан и сплавы титановые", "Титан и сплавы титановые ГОСТ 19807-91",
     true, {4335, 4080}, {289, 272}, "МАРКА|ПЛОТНОСТЬ", true,
     "ВТ1-0|ВТ14|ВТ20|ВТ22|ВТ3-1|ВТ5|ВТ6|ВТ9|ОТ4|ОТ4-1|ПТ7М", "4500 кг/м3", "bbbbbbbbbbb", 20,
     {31.0, 44.8, 76.31, 71.39}},
    {"Form10", "Винипласты", "Винипласты ТУ 6-01-737-72",
     true, {5190, 705}, {346, 47}, "МАРКА|ПЛОТНОСТЬ", true,
     "Винипласт УВ-10", "1450 кг/м3", "b", 0, {46.0, 44.8, 91.31, 12.12}},
};
// clang-format on

// The tables' colours.
namespace colour {
inline const QColor silver(192, 192, 192); // cells
inline const QColor grey(128, 128, 128);   // the rule between the columns, odd bands
inline const QColor white(255, 255, 255);  // the rule at the right edge, even bands
inline const QColor yellow(255, 255, 0);   // headers
inline const QColor green(0, 128, 0);      // grades
inline const QColor plum(153, 51, 102);    // densities
} // namespace colour

// The table the tests of a single window open: brass, a density per grade, sizable.
inline constexpr const Table &brass = tables[3];

} // namespace expected
