// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panels/slide_in_panel.h"

// The welcome panel: one sentence of introduction, rising at start.
class WelcomePanel : public SlideInPanel
{
    Q_OBJECT

public:
    WelcomePanel();

    forms::Label* const introduction;
};
