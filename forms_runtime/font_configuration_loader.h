// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

namespace forms {

// Loads the system's font configuration on a thread of its own, from construction on, so
// that it overlaps building the application object (or at once, where the two would
// race). Wait before the first font is used: a font used sooner would have fontconfig load
// the configuration a second time.
class FontConfigurationLoader
{
public:
    FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

    // Returns once the configuration is loaded and current, or left to fontconfig's own
    // start-up where this loading does not apply.
    void wait();

private:
    std::jthread m_loading;
};

} // namespace forms
