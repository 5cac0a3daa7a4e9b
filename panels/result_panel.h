// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panels/slide_in_panel.h"

namespace forms {
class Shape;
} // namespace forms

// The result panel: the points, the skin type and the advice of the last calculation.
class ResultPanel : public SlideInPanel
{
    Q_OBJECT

public:
    ResultPanel();

    // Beneath the caption bar, front to back.
    forms::Shape* const frame;
    forms::Label* const adviceText;
    forms::Label* const skinTypeCaption;
    forms::Label* const pointsLine;
};
