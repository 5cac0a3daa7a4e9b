// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

// Velorin's look, shared by all its forms: its three colours and its fonts.
namespace velorin {

namespace colours {
inline constexpr QColor kBlack(0, 0, 0);
inline constexpr QColor kWhite(255, 255, 255);
inline constexpr QColor kAccent(128, 128, 255);
} // namespace colours

// The small texts of a caption bar: its close and about labels.
inline constexpr forms::FontSpec kCaptionBarFont{"Arial", 9.75f, forms::kBold};

// The caption bar's close label, the same "X" on every form; only where it stands along the
// bar and its tab index differ.
constexpr forms::LabelDesign closeLabel(forms::Twips left, int tabIndex)
{
    using namespace forms::twips_literals;
    return {.name = "closeButton",
            .caption = "X",
            .left = left,
            .top = 0_tw,
            .width = 150_tw,
            .height = 195_tw,
            .backColor = colours::kAccent,
            .foreColor = colours::kWhite,
            .font = kCaptionBarFont,
            .alignment = forms::Alignment::Centre,
            .tabIndex = tabIndex,
            .toolTip = "Close"};
}

// Registers the embedded faces, draws Arial with Liberation Sans and makes Tahoma 8.25
// the default font; call once after the application object exists.
void setUpLook();

} // namespace velorin
