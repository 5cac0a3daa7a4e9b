// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/font_configuration_loader.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QTest>
#include <fontconfig/fontconfig.h>
#include <memory>

namespace {

using Config = std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)>;
using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

QSet<QString> fontFiles(FcConfig* config)
{
    QSet<QString> files;
    const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch) {
            files.insert(QString::fromUtf8(reinterpret_cast<const char*>(file)));
        }
    }
    return files;
}

// The font and rendering settings a configuration gives for a request, as a Qt font engine
// asks for them: its rules applied, then the best match.
QString matchFor(FcConfig* config, const QString& request)
{
    const Pattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>(qPrintable(request))),
                          &FcPatternDestroy);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(config, pattern.get(), &result), &FcPatternDestroy);
    FcChar8* described = FcNameUnparse(match.get());
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(described));
    FcStrFree(described);
    return text;
}

// Configuration files the configuration lists for tools such as fc-conflist, enabled or not.
int listedConfigurationFiles(FcConfig* config)
{
    FcConfigFileInfoIter files;
    FcConfigFileInfoIterInit(config, &files);
    int count = 0;
    do {
        FcChar8* name = nullptr;
        if (FcConfigFileInfoIterGet(config, &files, &name, nullptr, nullptr)) {
            FcStrFree(name);
            ++count;
        }
    } while (FcConfigFileInfoIterNext(config, &files));
    return count;
}

} // namespace

// The configuration loaded ahead of Qt against the one fontconfig loads itself: the same fonts
// and the same answers, with nothing loaded twice.
class FontConfigurationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameFontsAsFontconfigsOwn();
    void sameMatchesAsFontconfigsOwn_data();
    void sameMatchesAsFontconfigsOwn();
    void fontconfigLoadsNothingMore();
    void cleanupTestCase();

private:
    Config m_own{nullptr, &FcConfigDestroy};
};

void FontConfigurationTest::initTestCase()
{
    forms::FontConfigurationLoader loader;
    loader.wait();
    // What FcInit would have made current, loaded apart for comparison.
    m_own.reset(FcInitLoadConfigAndFonts());
    QVERIFY(m_own != nullptr);
}

void FontConfigurationTest::sameFontsAsFontconfigsOwn()
{
    const QSet<QString> loaded = fontFiles(FcConfigGetCurrent());
    QVERIFY(!loaded.isEmpty());
    QCOMPARE(loaded, fontFiles(m_own.get()));
}

void FontConfigurationTest::sameMatchesAsFontconfigsOwn_data()
{
    QTest::addColumn<QString>("request");
    QTest::newRow("an embedded face by name") << QStringLiteral("Tahoma:pixelsize=11");
    QTest::newRow("a metric alias, bold") << QStringLiteral("Arial:bold:pixelsize=16");
    QTest::newRow("the generic sans") << QStringLiteral("sans-serif:pixelsize=13");
    QTest::newRow("the generic monospace") << QStringLiteral("monospace:italic");
    QTest::newRow("a language's own faces") << QStringLiteral(":lang=ja");
}

void FontConfigurationTest::sameMatchesAsFontconfigsOwn()
{
    QFETCH(QString, request);
    QCOMPARE(matchFor(FcConfigGetCurrent(), request), matchFor(m_own.get(), request));
}

void FontConfigurationTest::fontconfigLoadsNothingMore()
{
    FcConfig* const loaded = FcConfigGetCurrent();
    // Fontconfig's own start-up also lists the templates it does not enable; the loaded
    // configuration lists only what it enables.
    QVERIFY(listedConfigurationFiles(loaded) < listedConfigurationFiles(m_own.get()));
    QVERIFY(FcInit());
    QCOMPARE(FcConfigGetCurrent(), loaded);
}

void FontConfigurationTest::cleanupTestCase()
{
    // As Qt's font database does when the application ends: fontconfig lets go of it all.
    m_own.reset();
    FcFini();
}

QTEST_GUILESS_MAIN(FontConfigurationTest)
#include "tst_font_configuration.moc"
