// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace kvarnel::platform {

// Makes the application object. Without a display to show the windows on (none named, or
// one that refuses the connection) the program ends there with one line in Russian and
// English on standard error and exit status 1, where Qt would abort with a core dump.
std::unique_ptr<QApplication> makeApplication(int &argc, char **argv);

} // namespace kvarnel::platform
