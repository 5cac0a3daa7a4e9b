// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <string_view>

class QFont;
class QString;

namespace forms {

// Registers every font file in a resource folder, read in place from the program's image.
void registerFontsIn(const QString& folder);

// Draws every text whose design names `face` with `family` instead, such as an embedded
// metric-compatible face; set before the first form is built.
void substituteFace(std::string_view face, const QString& family);

// The font a design asks for, sized in pixels at 96 dpi, so lines break the same way on
// every machine and scale.
QFont toQFont(const FontSpec& design);

} // namespace forms
