// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QStringList>

// The ten windows as the program shows them: the main window after a calculation (57 ×
// 3.5 mm, 8800 kg/m³), the catalogue and the eight tables, each rendered offscreen.
QStringList windowPictureNames();
QImage renderWindowPicture(const QString &name);

// What the pixels depend on besides the program: the versions of Qt, FreeType and the
// Liberation faces, one to a line. The approved pictures hold only where they are the same.
QString renderingVersions();
inline constexpr char renderingVersionsFile[] = "approved-with.txt";
