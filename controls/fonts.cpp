// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/fonts.h"

#include "controls/text.h"

#include <QByteArray>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QResource>
#include <QString>
#include <cmath>

namespace forms {

namespace {

QHash<QString, QString>& substitutes()
{
    static QHash<QString, QString> families;
    return families;
}

QString familyFor(std::string_view face)
{
    const QString named = toQString(face);
    return substitutes().value(named, named);
}

} // namespace

void registerFontsIn(const QString& folder)
{
    // Registered in place: no copy on the heap. The folder holds only fonts, so no name
    // filter (and no regular expression engine) is needed.
    QDirIterator fonts(folder);
    while (fonts.hasNext()) {
        const QResource font(fonts.next());
        const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(font.data()), static_cast<qsizetype>(font.size())));
        if (id < 0) {
            qWarning("Could not register the font %s", qPrintable(font.fileName()));
        }
    }
}

void substituteFace(std::string_view face, const QString& family)
{
    substitutes().insert(toQString(face), family);
}

QFont toQFont(const FontSpec& design)
{
    QFont font;
    font.setFamilies({familyFor(design.face)});
    font.setPixelSize(static_cast<int>(std::lround(design.points * 96.0f / 72.0f)));
    font.setWeight(design.weight >= kBold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace forms
