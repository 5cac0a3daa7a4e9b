// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "font_configuration.h"

#include <cstdio>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <locale.h>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

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

// Everything in the file, read from its start.
std::string contentsOf(int file)
{
    std::string contents;
    char chunk[4096];
    ssize_t read = 0;
    off_t at = 0;
    while ((read = pread(file, chunk, sizeof chunk, at)) > 0) {
        contents.append(chunk, static_cast<std::size_t>(read));
        at += read;
    }
    return contents;
}

// Runs the work with standard error written to memory instead, and returns what the work
// wrote there; nothing, without running it, where standard error cannot be held back. The
// thread takes a file table of its own first, so what other threads write meanwhile (Qt as
// it builds the application object) goes out as ever.
template <class Work> std::optional<std::string> holdingBackStandardError(Work work)
{
    if (unshare(CLONE_FILES) != 0) {
        return std::nullopt;
    }
    const int held = memfd_create("fontconfig messages", MFD_CLOEXEC);
    const int original = held < 0 ? -1 : dup(STDERR_FILENO);
    std::fflush(stderr);
    if (original < 0 || dup2(held, STDERR_FILENO) < 0) {
        for (const int file : {held, original}) {
            if (file >= 0) {
                close(file);
            }
        }
        return std::nullopt;
    }
    work();
    std::fflush(stderr);
    dup2(original, STDERR_FILENO);
    close(original);
    std::string written = contentsOf(held);
    close(held);
    return written;
}

void loadConfiguration()
{
    // Fontconfig's debugging output tells how fontconfig itself loads.
    if (std::getenv("FC_DEBUG") != nullptr) {
        return;
    }
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return;
    }
    // As fontconfig's start-up loads it; where that fails, fontconfig falls back to
    // defaults of its own, and where no cache folder is named, it adds its own and warns.
    bool loaded = false;
    const std::optional<std::string> said = holdingBackStandardError([config, &loaded] {
        loaded = FcConfigParseAndLoad(config, nullptr, FcTrue) && namesACacheFolder(config) &&
                 FcConfigBuildFonts(config);
    });
    if (said && loaded) {
        FcConfigSetCurrent(config);
        std::fwrite(said->data(), 1, said->size(), stderr);
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
