#include "forms_runtime/fonts.h"

#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <cmath>

static void initFontResources()
{
    Q_INIT_RESOURCE(fonts);
}

namespace forms {

namespace {

// The embedded faces standing in for the designs' faces.
QString embeddedFamily(std::string_view face)
{
    if (face == "Arial") {
        return QStringLiteral("Liberation Sans");
    }
    return QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
}

} // namespace

void registerEmbeddedFonts()
{
    initFontResources();
    QDirIterator fonts(QStringLiteral(":/fonts"), {QStringLiteral("*.ttf")});
    while (fonts.hasNext()) {
        QFontDatabase::addApplicationFont(fonts.next());
    }
}

QFont toQFont(const FontSpec& spec)
{
    QFont font;
    font.setFamilies({embeddedFamily(spec.face)});
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0f / 72.0f)));
    font.setWeight(spec.weight >= kBold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace forms
