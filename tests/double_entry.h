// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <array>

// The program's fixed facts written out a second time, by hand, from the window
// definitions and the standards' extracts: what the tests hold the program's own data and
// windows to, so that a slip in either copy fails. Sizes in pixels are twips divided by
// 15, worked out here.
namespace expected {

inline constexpr QSize mainWindow{257, 297};

// The catalogue: a button of 313 × 25 every 32 from (8, 8), the window 10 below the last.
constexpr QRect catalogueButton(int index)
{
    return {8, 8 + 32 * index, 313, 25};
}
constexpr QSize catalogue(int buttons)
{
    return {329, catalogueButton(buttons - 1).bottom() + 1 + 10};
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

// The table the tests of a single window open: brass, a density per grade, sizable.
inline constexpr const Table &brass = tables[3];

} // namespace expected
