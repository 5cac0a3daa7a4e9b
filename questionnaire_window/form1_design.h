#pragma once

#include "forms_runtime/control_design.h"

#include <vector>

namespace form1_design {

inline constexpr forms::Colour kPressedColour = 0xFFC0C0; // RGB 192, 192, 255

const forms::FormDesign& form();
// Front to back: the ten answer lists, then the labels, lines and the button's frame.
const std::vector<forms::ControlDesign>& controls();

} // namespace form1_design
