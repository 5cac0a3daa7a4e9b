// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panels/slide_in_panel.h"

namespace forms {
class Shape;
} // namespace forms

// The result panel: the points, the skin type and the advice of the last calculation.
class Form2 : public SlideInPanel
{
    Q_OBJECT

public:
    Form2();

    // Beneath the caption bar, front to back.
    forms::Shape* const Shape1;
    forms::Label* const Label3; // the advice
    forms::Label* const Label2; // the skin type
    forms::Label* const Label1; // the points line
};
