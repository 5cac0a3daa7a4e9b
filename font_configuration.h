// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

// Loads fontconfig's configuration and makes it current, as fontconfig's own start-up at the
// first font would, less its second parse of every template in its folder of configuration
// templates, which only tools that list configuration files use: the same rules, folders,
// fonts and messages for about a third fewer instructions. Where the two could differ in
// anything drawn or said (an error in the configuration, no cache folder named, FC_DEBUG
// set), it leaves the configuration to fontconfig, and says nothing itself.
//
// It loads on a thread of its own from construction on, so that it overlaps building the
// application object (or at once, where the two would race). Wait before the first font is
// used: a font used sooner would have fontconfig load the configuration a second time.
class FontConfigurationLoader
{
public:
    FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

    // Returns once the configuration is loaded and current, or left to fontconfig.
    void wait();

private:
    std::jthread m_loading;
};
