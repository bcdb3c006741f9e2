// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kvarnel::platform {

// The decimal separator of the user's regional settings, as UTF-8 (a comma under Russian
// settings, a full stop under English ones).
std::string decimalSeparator();

} // namespace kvarnel::platform
