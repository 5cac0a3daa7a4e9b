#include "forms_runtime/fonts.h"

#include "forms_runtime/text.h"

#include <QApplication>
#include <QByteArray>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QResource>
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
    return toQString(face);
}

} // namespace

void registerEmbeddedFonts()
{
    initFontResources();
    // Registered in place from the program's image: no copy on the heap. The folder holds
    // only fonts, so no name filter (and no regular expression engine) is needed.
    QDirIterator fonts(QStringLiteral(":/fonts"));
    while (fonts.hasNext()) {
        const QResource font(fonts.next());
        const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(font.data()), static_cast<qsizetype>(font.size())));
        if (id < 0) {
            qWarning("Could not register the embedded font %s", qPrintable(font.fileName()));
        }
    }
    // Whatever no design sets (message box, tooltips) uses the classic dialog font; it
    // also spares loading a system face only to replace it at once.
    QApplication::setFont(toQFont({"Tahoma", 8.25f, kRegular, 0}));
}

QFont toQFont(const FontSpec& design)
{
    QFont font;
    font.setFamilies({embeddedFamily(design.face)});
    font.setPixelSize(static_cast<int>(std::lround(design.points * 96.0f / 72.0f)));
    font.setWeight(design.weight >= kBold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace forms
