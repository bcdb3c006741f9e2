// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_pictures.h"

#include "app/program.h"
#include "find_control.h"
#include "ui/catalogue_window.h"
#include "ui/fitting_label.h"
#include "ui/main_window.h"
#include "ui/reference_window.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QtEndian>

#include <ft2build.h>
#include FT_FREETYPE_H

using kvarnel::design::MainForm;
using kvarnel::reference::CatalogueForm;
using kvarnel::reference::densityTables;

namespace {

QWidget *showWindow(kvarnel::Program &program, const QString &name)
{
    if (name == QLatin1String(MainForm::frame.name)) {
        QWidget *window = findWindow(MainForm::frame.name);
        QTest::keyClicks(findControl<MainForm, MainForm::Text1>(window), "57");
        QTest::keyClicks(findControl<MainForm, MainForm::Text2>(window), "3.5");
        QTest::keyClicks(findControl<MainForm, MainForm::Text3>(window), "8800");
        QTest::mouseClick(findControl<MainForm, MainForm::Command2>(window), Qt::LeftButton);
        return window;
    }
    program.showCatalogue();
    if (name == QLatin1String(CatalogueForm::frame.name))
        return findWindow(CatalogueForm::frame.name);
    for (int i = 0; i < int(densityTables.size()); ++i) {
        if (name == QLatin1String(densityTables[std::size_t(i)].window.name)) {
            program.showReference(i);
            return findWindow(densityTables[std::size_t(i)].window.name);
        }
    }
    return nullptr;
}

} // namespace

QStringList windowPictureNames()
{
    QStringList names{MainForm::frame.name, CatalogueForm::frame.name};
    for (const auto &table : densityTables)
        names << table.window.name;
    return names;
}

QImage renderWindowPicture(const QString &name)
{
    kvarnel::Program program;
    program.start();
    QWidget *window = showWindow(program, name);
    if (!window || !QTest::qWaitForWindowActive(window))
        return {};
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString renderingVersions()
{
    FT_Library library = nullptr;
    FT_Int major = 0, minor = 0, patch = 0;
    if (FT_Init_FreeType(&library) == 0) {
        FT_Library_Version(library, &major, &minor, &patch);
        FT_Done_FreeType(library);
    }
    QStringList versions{QStringLiteral("Qt %1").arg(QLatin1String(qVersion())),
                         QStringLiteral("FreeType %1.%2.%3").arg(major).arg(minor).arg(patch)};
    for (const char *face : {"Liberation Sans", "Liberation Serif"}) {
        // The font's own revision, a 16.16 fixed-point number in its header table.
        const QByteArray head = QRawFont::fromFont(QFont(QLatin1String(face))).fontTable("head");
        const double revision =
            head.size() >= 8 ? qFromBigEndian<quint32>(head.constData() + 4) / 65536.0 : 0;
        versions << QStringLiteral("%1 %2").arg(QLatin1String(face)).arg(revision, 0, 'f', 2);
    }
    return versions.join(u'\n') + u'\n';
}
