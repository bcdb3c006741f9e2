// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QStringList>

// The ten windows as the program shows them: the main window after a calculation (57 ×
// 3.5 mm, 8800 kg/m³), the catalogue and the eight tables, each rendered offscreen.
QStringList windowPictureNames();
QImage renderWindowPicture(const QString &name);
