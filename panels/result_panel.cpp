// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panels/result_panel.h"

#include "controls/label.h"
#include "controls/shape.h"
#include "resources/look.h"

using namespace forms;
using namespace forms::twips_literals;

namespace {

constexpr QColor kAdviceColour(255, 128, 128);
constexpr QColor kPointsColour(255, 128, 0);
constexpr FontSpec kResultFont{"Arial", 9.75f, kBold};

} // namespace

// skinTypeCaption reaches 240 twips past the right edge, where it is cut.
ResultPanel::ResultPanel()
    : SlideInPanel(5175_tw, "Result", 4), frame(add<Shape>({.name = "frame",
                                                            .left = 0_tw,
                                                            .top = 360_tw,
                                                            .width = 2895_tw,
                                                            .height = 4815_tw,
                                                            .borderColor = velorin::colours::kWhite,
                                                            .borderPixels = 2})),
      adviceText(add<Label>({.name = "adviceText",
                             .caption = "Advice",
                             .left = 240_tw,
                             .top = 1440_tw,
                             .width = 2535_tw,
                             .height = 3495_tw,
                             .backColor = velorin::colours::kBlack,
                             .foreColor = kAdviceColour,
                             .font = kResultFont,
                             .tabIndex = 3})),
      skinTypeCaption(add<Label>({.name = "skinTypeCaption",
                                  .caption = "Skin Type is  ",
                                  .left = 240_tw,
                                  .top = 840_tw,
                                  .width = 2895_tw,
                                  .height = 1335_tw,
                                  .backColor = velorin::colours::kBlack,
                                  .foreColor = velorin::colours::kWhite,
                                  .font = kResultFont,
                                  .tabIndex = 2})),
      pointsLine(add<Label>({.name = "pointsLine",
                             .caption = "Your Point= ",
                             .left = 240_tw,
                             .top = 480_tw,
                             .width = 2415_tw,
                             .height = 375_tw,
                             .backColor = velorin::colours::kBlack,
                             .foreColor = kPointsColour,
                             .font = kResultFont,
                             .alignment = Alignment::Centre,
                             .tabIndex = 1}))
{}
