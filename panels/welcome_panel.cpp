// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panels/welcome_panel.h"

#include "controls/label.h"
#include "resources/look.h"

using namespace forms;
using namespace forms::twips_literals;

WelcomePanel::WelcomePanel()
    : SlideInPanel(2505_tw, "Welcome", 2),
      introduction(add<Label>(
          {.name = "introduction",
           .caption =
               "By answering the questions below you can find out what type of skin you have",
           .left = 120_tw,
           .top = 360_tw,
           .width = 2655_tw,
           .height = 1935_tw,
           .backColor = velorin::colours::kBlack,
           .foreColor = velorin::colours::kWhite,
           .font = {"Tahoma", 14.25f, kBold},
           .tabIndex = 1}))
{}
