// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Loads fontconfig's configuration and makes it current, as fontconfig's own start-up at the
// first font would, less its second parse of every template in its folder of configuration
// templates, which only tools that list configuration files use: the same rules, folders,
// fonts and messages for about a third fewer instructions. Where the two could differ in
// anything drawn or said (an error in the configuration, no cache folder named, FC_DEBUG
// set), it leaves the configuration to fontconfig, and says nothing itself.
//
// Call it before the application object exists, while the program has one thread: what
// fontconfig says meanwhile is held back on its way to standard error.
void loadFontConfiguration();
