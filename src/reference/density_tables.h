// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/density_table.h"

#include <array>

// The eight tables of the density reference, rows in the order of their standards (never
// sorted). Grade letters are Cyrillic; "кг/м3" ends with an ordinary digit 3.
namespace kvarnel::reference {

// clang-format off
namespace tables {

// ГОСТ 380-94
inline constexpr GradeRow ordinarySteelRows[] = {
    {"Ст2"},   {"Ст2кп"}, {"Ст2пс"}, {"Ст2сп"}, {"Ст3"},   {"Ст3Гсп"},
    {"Ст3кп"}, {"Ст3пс"}, {"Ст3сп"}, {"Ст4кп"}, {"Ст4пс"}, {"Ст5"},
    {"Ст5пс"}, {"Ст5сп"}, {"Ст6"},   {"Ст6пс"}, {"Ст6сп", {}, Weight::Bold},
};

// ГОСТ 5632-72
inline constexpr GradeRow stainlessSteelRows[] = {
    {"Сталь 08Х13", "7760 кг/м3"},       {"Сталь 08Х17Т", "7700 кг/м3"},
    {"Сталь 08Х18Н10", "7850 кг/м3"},    {"Сталь 08Х18Н10Т", "7900 кг/м3"},
    {"Сталь 08Х22Н6Т", "7700 кг/м3"},    {"Сталь 10Х13СЮ", "7850 кг/м3"},
    {"Сталь 10Х17Н13М2Т", "7900 кг/м3"}, {"Сталь 10Х23Н18", "7950 кг/м3"},
    {"Сталь 12Х13", "7720 кг/м3"},       {"Сталь 12Х17", "7720 кг/м3"},
    {"Сталь 12Х18Н10Т", "7900 кг/м3"},   {"Сталь 12Х18Н9", "7900 кг/м3"},
    {"Сталь 12Х18Н9Т", "7900 кг/м3"},    {"Сталь 15Х25Т", "7600 кг/м3"},
    {"Сталь 15Х5", "7630 кг/м3"},        {"Сталь 17Х18Н9", "7850 кг/м3"},
    {"Сталь 20Х13", "7670 кг/м3"},       {"Сталь 20Х20Н14С2", "7800 кг/м3"},
    {"Сталь 30Х13", "7670 кг/м3"},       {"Сталь 40Х13", "7650 кг/м3"},
    {"Сталь 40Х9С2", "7630 кг/м3"},
};

// ГОСТ 1412-85
inline constexpr GradeRow greyCastIronRows[] = {
    {"СЧ10"}, {"СЧ15"}, {"СЧ18"}, {"СЧ20"}, {"СЧ25"}, {"СЧ30"}, {"СЧ35"},
};

// ГОСТ 15527-70
inline constexpr GradeRow brassRows[] = {
    {"Л60", "8800 кг/м3"},     {"Л63", "8800 кг/м3"},     {"Л68", "8800 кг/м3"},
    {"Л80", "8800 кг/м3"},     {"Л90", "8800 кг/м3"},     {"Л96", "8800 кг/м3"},
    {"ЛА 77-2", "8540 кг/м3"}, {"ЛК 80-3", "8540 кг/м3"}, {"ЛН 65-5", "8540 кг/м3"},
    {"ЛО 62-1", "8540 кг/м3"}, {"ЛО 70-1", "8540 кг/м3"}, {"ЛС 59-1", "8500 кг/м3"},
};

// ГОСТ 859-2001
inline constexpr GradeRow copperRows[] = {
    {"М0"}, {"М1"}, {"М2"}, {"М3"}, {"М4"},
};

// ГОСТ 4784-97
inline constexpr GradeRow aluminiumAlloyRows[] = {
    {"АД0", "2710 кг/м3"},   {"АД1", "2710 кг/м3"},   {"АК6", "2800 кг/м3"},
    {"АК8", "2800 кг/м3"},   {"АМг2", "2680 кг/м3"},  {"АМг3", "2680 кг/м3"},
    {"АМг4", "2680 кг/м3"},  {"АМг5", "2680 кг/м3"},  {"АМг6", "2640 кг/м3"},
    {"Амц", "2730 кг/м3"},   {"В95оч", "2850 кг/м3"}, {"В95пч", "2850 кг/м3"},
    {"В96Ц1", "2850 кг/м3"}, {"Д1", "2800 кг/м3"},    {"Д16", "2800 кг/м3"},
    {"Д18", "2800 кг/м3"},   {"Д19", "2800 кг/м3", Weight::Regular},
};

// ГОСТ 19807-91
inline constexpr GradeRow titaniumRows[] = {
    {"ВТ1-0"}, {"ВТ14"}, {"ВТ20"}, {"ВТ22"}, {"ВТ3-1"}, {"ВТ5"},
    {"ВТ6"},   {"ВТ9"},  {"ОТ4"},  {"ОТ4-1"}, {"ПТ7М"},
};

// ТУ 6-01-737-72
inline constexpr GradeRow vinylPlasticRows[] = {
    {"Винипласт УВ-10", "1450 кг/м3"},
};

inline constexpr Header steelHeader{"СТАЛЬ", "ПЛОТНОСТЬ", Weight::Bold};
inline constexpr Header gradeHeader{"МАРКА", "ПЛОТНОСТЬ", Weight::Bold};

} // namespace tables
// clang-format on

// In the catalogue's order. Client sizes in twips; column widths and overall extents in
// millimetres.
// clang-format off
inline constexpr auto densityTables = std::to_array<DensityTable>({
    {
        .window = {"Form3", "Сталь обыкновенного качества", Border::Fixed, {4005, 6090}},
        .button = "Сталь обыкновенного качества  ГОСТ 380-94",
        .header = {"СТАЛЬ", "ПЛОТНОСТЬ", Weight::Regular},
        .rows = tables::ordinarySteelRows,
        .gradeWeight = Weight::Regular,
        .merged = MergedDensity{"7850кг/м3", 20},
        .gradeColumnWidth = 25.9,
        .densityColumnWidth = 43.8,
        .width = 70.15,
        .height = 106.94,
    },
    {
        .window = {"Form4", "Стали коррозионно-стойкие и жаропрочные", Border::Fixed,
                   {5430, 7455}},
        .button = "Стали коррозионно-стойкие и жаропрочные ГОСТ 5632-72",
        .header = tables::steelHeader,
        .rows = tables::stainlessSteelRows,
        .gradeWeight = Weight::Bold,
        .merged = std::nullopt,
        .gradeColumnWidth = 53.1,
        .densityColumnWidth = 41.8,
        .width = 95.37,
        .height = 130.59,
    },
    {
        .window = {"Form5", "Чугуны серые", Border::Fixed, {3975, 2745}},
        .button = "Чугуны серые ГОСТ 1412-85",
        .header = tables::gradeHeader,
        .rows = tables::greyCastIronRows,
        .gradeWeight = Weight::Bold,
        .merged = MergedDensity{"7200 кг/м3", 18},
        .gradeColumnWidth = 28.0,
        .densityColumnWidth = 41.8,
        .width = 70.29,
        .height = 47.66,
    },
    {
        .window = {"Form6", "Латунь", Border::Sizable, {3960, 4380}},
        .button = "Латунь ГОСТ 15527-70",
        .header = tables::gradeHeader,
        .rows = tables::brassRows,
        .gradeWeight = Weight::Bold,
        .merged = std::nullopt,
        .gradeColumnWidth = 28.0,
        .densityColumnWidth = 41.8,
        .width = 70.29,
        .height = 77.55,
    },
    {
        .window = {"Form7", "Медь", Border::Fixed, {4155, 1995}},
        .button = "Медь ГОСТ 859-2001",
        .header = tables::gradeHeader,
        .rows = tables::copperRows,
        .gradeWeight = Weight::Bold,
        .merged = MergedDensity{"8940 кг/м3", 18},
        .gradeColumnWidth = 27.0,
        .densityColumnWidth = 45.9,
        .width = 73.34,
        .height = 35.84,
    },
    {
        .window = {"Form8", "Сплавы алюминиевые деформируемые", Border::Fixed,
                   {4275, 6075}},
        .button = "Сплавы алюминиевые деформируемые ГОСТ 4784-97",
        .header = tables::gradeHeader,
        .rows = tables::aluminiumAlloyRows,
        .gradeWeight = Weight::Bold,
        .merged = std::nullopt,
        .gradeColumnWidth = 30.0,
        .densityColumnWidth = 44.8,
        .width = 75.30,
        .height = 106.94,
    },
    {
        .window = {"Form9", "Титан и сплавы титановые", Border::Sizable, {4335, 4080}},
        .button = "Титан и сплавы титановые ГОСТ 19807-91",
        .header = tables::gradeHeader,
        .rows = tables::titaniumRows,
        .gradeWeight = Weight::Bold,
        .merged = MergedDensity{"4500 кг/м3", 20},
        .gradeColumnWidth = 31.0,
        .densityColumnWidth = 44.8,
        .width = 76.31,
        .height = 71.39,
    },
    {
        .window = {"Form10", "Винипласты", Border::Sizable, {5190, 705}},
        .button = "Винипласты ТУ 6-01-737-72",
        .header = tables::gradeHeader,
        .rows = tables::vinylPlasticRows,
        .gradeWeight = Weight::Bold,
        .merged = std::nullopt,
        .gradeColumnWidth = 46.0,
        .densityColumnWidth = 44.8,
        .width = 91.31,
        .height = 12.12,
    },
});
// clang-format on

} // namespace kvarnel::reference
