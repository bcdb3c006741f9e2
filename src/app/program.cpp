// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "ui/catalogue_window.h"
#include "ui/main_window.h"
#include "ui/reference_window.h"

#include "app/icon_bitmaps.h"
#include "app/version.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace kvarnel {

Program::Program() = default;
Program::~Program() = default;

namespace {

// The icon's bitmaps are compiled in (scripts/icons renders them from the SVG): loading
// image files at start would pull in Qt's image and icon plugins, which slows the first
// window down.
QIcon applicationIcon()
{
    QIcon icon;
    for (const icon::Bitmap &bitmap : icon::bitmaps) {
        const QImage image(reinterpret_cast<const uchar *>(bitmap.argb), bitmap.size, bitmap.size,
                           QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

void Program::start()
{
    QApplication::setApplicationName(QStringLiteral("kvarnel"));
    QApplication::setApplicationVersion(QStringLiteral(KVARNEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KVARNEL_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    m_main.show([this] {
        auto *window = new ui::MainWindow;
        QObject::connect(window, &ui::MainWindow::catalogueRequested, window,
                         [this] { showCatalogue(); });
        QObject::connect(window, &ui::MainWindow::exitRequested, window, [this] { quit(); });
        return window;
    });
}

void Program::showCatalogue()
{
    m_catalogue.show([this] {
        auto *window = new ui::CatalogueWindow;
        QObject::connect(window, &ui::CatalogueWindow::tableRequested, window,
                         [this](int index) { showReference(index); });
        return window;
    });
}

void Program::showReference(int index)
{
    const auto i = static_cast<std::size_t>(index);
    m_references.at(i).show([i] { return new ui::ReferenceWindow(reference::densityTables[i]); });
}

void Program::quit()
{
    m_main.close();
    m_catalogue.close();
    for (auto &slot : m_references)
        slot.close();
    QApplication::exit(0);
}

} // namespace kvarnel
