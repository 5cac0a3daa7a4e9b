#include "forms_runtime/font_configuration_loader.h"

#include <cstdlib>
#include <fontconfig/fontconfig.h>

namespace forms {

namespace {

bool namesACacheFolder(FcConfig* config)
{
    FcStrList* folders = FcConfigGetCacheDirs(config);
    const bool named = folders != nullptr && FcStrListNext(folders) != nullptr;
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
    if (FcConfigParseAndLoad(config, nullptr, FcTrue) && namesACacheFolder(config) &&
        FcConfigBuildFonts(config)) {
        FcConfigSetCurrent(config);
    }
    // Current, it is held by fontconfig now.
    FcConfigDestroy(config);
}

} // namespace

FontConfigurationLoader::FontConfigurationLoader() : m_loading(loadConfiguration) {}

void FontConfigurationLoader::wait()
{
    if (m_loading.joinable()) {
        m_loading.join();
    }
}

} // namespace forms
