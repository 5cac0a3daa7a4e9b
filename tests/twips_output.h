// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/twips.h"

#include <QTest>

using forms::Twips;
using namespace forms::twips_literals;

namespace forms {

// Found by QCOMPARE, so a failed comparison shows the twips.
inline char* toString(const Twips& twips)
{
    return QTest::toString(twips.value());
}

} // namespace forms
