// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <string_view>

namespace kvarnel::design {

// A face the windows were designed in, and the face that stands in for it where it is not
// installed (everywhere but Windows): its metric twin from fonts-liberation. Liberation
// Sans and Serif share Arial's and Times New Roman's advance widths, and Liberation Sans is
// the narrowest common face in which every caption still fits its control in place of MS
// Sans Serif (DejaVu Sans, a usual system default, does not).
struct FaceFamilies
{
    std::string_view original;
    std::string_view standIn;
    bool serif;
};

constexpr FaceFamilies families(Face face)
{
    switch (face) {
    case Face::MsSansSerif:
        return {"MS Sans Serif", "Liberation Sans", false};
    case Face::Arial:
        return {"Arial", "Liberation Sans", false};
    case Face::TimesNewRoman:
        return {"Times New Roman", "Liberation Serif", true};
    }
    return {};
}

} // namespace kvarnel::design
