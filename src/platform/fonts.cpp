// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include "design/faces.h"
#include "design/units.h"

#include <QApplication>
#include <QFontDatabase>

#include <utility>
#include <vector>

#ifdef KVARNEL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace kvarnel::platform {

// The face installed here is asked for first (the original on Windows, its stand-in
// elsewhere) and the other is the next choice: asked first for a face that is missing, Qt
// searches the whole font configuration for a fallback before it tries the next one,
// which delays the first window.
QFont font(const design::Font &font)
{
    const design::FaceFamilies faces = design::families(font.face);
    const auto family = [](std::string_view name) { return QString::fromLatin1(name); };
#ifdef Q_OS_WIN
    const QStringList families{family(faces.original), family(faces.standIn)};
#else
    const QStringList families{family(faces.standIn), family(faces.original)};
#endif
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(design::pointsToPixels(font.points));
    f.setWeight(font.weight == design::Weight::Bold ? QFont::Bold : QFont::Normal);
    f.setStyleHint(faces.serif ? QFont::Serif : QFont::SansSerif);
    return f;
}

void startFontSystem()
{
#ifdef KVARNEL_FONTCONFIG
    // Started by Qt, fontconfig loads the configuration (fonts.conf and all it includes,
    // the user's own rules among them) and then also reads every rule file it ships but
    // leaves disabled, only to describe them. Loading the same configuration here gives
    // the same rules and fonts without that reading. Where it is not whole, fontconfig is
    // left to start as it would.
    FcConfig *config = FcConfigCreate();
    if (!config)
        return;
    FcStrList *cacheDirectories = nullptr;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue) &&
        (cacheDirectories = FcConfigGetCacheDirs(config)) && FcStrListNext(cacheDirectories) &&
        FcConfigBuildFonts(config))
        FcConfigSetCurrent(config);
    if (cacheDirectories)
        FcStrListDone(cacheDirectories);
    FcConfigDestroy(config); // the current configuration keeps its own reference
#endif
}

void setApplicationFonts()
{
    // A text box lays its text out once as it is made, in the application's font, before
    // its window's font reaches it: with the system font as the application's, that
    // loads a face at start only to drop it.
    //
    // Qt's own windows keep the fonts they had: the message box and the context menus
    // the system font, and a class the platform gives a font of its own (Windows does)
    // that font. Setting the application's font clears the fonts of classes, so they are
    // noted first and given back after.
    const QFont system = QApplication::font();
    std::vector<std::pair<const char *, QFont>> kept;
    for (const char *className : themedFontClasses) {
        const QFont font = QApplication::font(className);
        const bool qtWindow =
            qstrcmp(className, "QMessageBox") == 0 || qstrcmp(className, "QMenu") == 0;
        if (qtWindow || font != system)
            kept.emplace_back(className, font);
    }
    QApplication::setFont(font(design::dialogFont));
    for (const auto &[className, font] : kept)
        QApplication::setFont(font, className);
}

} // namespace kvarnel::platform
