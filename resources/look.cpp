// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/look.h"

#include "controls/control_design.h"
#include "controls/fonts.h"

#include <QApplication>
#include <QFont>

static void initFontResources()
{
    Q_INIT_RESOURCE(fonts);
}

namespace velorin {

void setUpLook()
{
    initFontResources();
    forms::registerFontsIn(QStringLiteral(":/fonts"));
    // Liberation Sans is metric-compatible with Arial, so texts wrap and cut as designed.
    forms::substituteFace("Arial", QStringLiteral("Liberation Sans"));
    // Whatever no design sets (message box, tooltips) uses the classic dialog font; it
    // also spares loading a system face only to replace it at once.
    QApplication::setFont(forms::toQFont({"Tahoma", 8.25f, forms::kRegular}));
}

} // namespace velorin
