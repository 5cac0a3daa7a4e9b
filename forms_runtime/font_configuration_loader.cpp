// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/font_configuration_loader.h"

#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <locale.h>

namespace forms {

namespace {

bool namesACacheFolder(FcConfig* config)
{
    FcStrList* folders = FcConfigGetCacheDirs(config);
    if (folders == nullptr) {
        return false;
    }
    const bool named = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return named;
}

// What fontconfig's own start-up does, less a second parse of every file in its folder of
// configuration templates, which only lists them for tools such as fc-conflist: the same
// rules, folders and fonts for about a third fewer instructions. Where its fallbacks or its
// debugging output could matter (no configuration file, no cache folder named, FC_DEBUG
// set), nothing is made current and fontconfig starts on its own at the first font.
void loadConfiguration()
{
    if (std::getenv("FC_DEBUG") != nullptr) {
        return;
    }
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return;
    }
    // Quietly: where this fails, fontconfig's own start-up says why.
    if (FcConfigParseAndLoad(config, nullptr, FcFalse) && namesACacheFolder(config) &&
        FcConfigBuildFonts(config)) {
        FcConfigSetCurrent(config);
    }
    // Made current, fontconfig holds a reference of its own; else this frees it.
    FcConfigDestroy(config);
}

// On the loading thread, in a locale of its own: the application object sets the user's
// locale meanwhile, and fontconfig reads the numbers of its rules in the current one.
void loadConfigurationAside()
{
    const locale_t plain = newlocale(LC_ALL_MASK, "C", nullptr);
    if (plain != nullptr) {
        uselocale(plain);
    }
    loadConfiguration();
    if (plain != nullptr) {
        uselocale(LC_GLOBAL_LOCALE);
        freelocale(plain);
    }
}

} // namespace

FontConfigurationLoader::FontConfigurationLoader()
{
    // Qt's X11 platform takes DESKTOP_STARTUP_ID out of the environment as the application
    // object is built, while fontconfig reads the environment as it loads: the two must not
    // overlap. A program started with that notification loads the configuration at once.
    if (std::getenv("DESKTOP_STARTUP_ID") != nullptr) {
        loadConfiguration();
    } else {
        m_loading = std::jthread(loadConfigurationAside);
    }
}

void FontConfigurationLoader::wait()
{
    if (m_loading.joinable()) {
        m_loading.join();
    }
}

} // namespace forms
