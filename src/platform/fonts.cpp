// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include "platform/units.h"

#include <mutex>

namespace kvarnel::platform {
namespace {

// Liberation Sans and Serif share Arial's and Times New Roman's advance widths. For MS
// Sans Serif, Liberation Sans is the narrowest common face in which every caption of the
// windows still fits its control (DejaVu Sans, a usual system default, does not).
void registerSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

QString family(Face face)
{
    switch (face) {
    case Face::MsSansSerif:
        return QStringLiteral("MS Sans Serif");
    case Face::Arial:
        return QStringLiteral("Arial");
    case Face::TimesNewRoman:
        return QStringLiteral("Times New Roman");
    }
    return {};
}

} // namespace

QFont font(Face face, double points, Weight weight)
{
    static std::once_flag substitutesRegistered;
    std::call_once(substitutesRegistered, registerSubstitutes);

    QFont f(family(face));
    f.setPixelSize(pointsToPixels(points));
    f.setWeight(weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    f.setStyleHint(face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    return f;
}

QFont dialogFont()
{
    return font(Face::MsSansSerif, 8.25);
}

} // namespace kvarnel::platform
