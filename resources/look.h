#pragma once

#include "forms_runtime/palette.h"

// Velorin's look, shared by all its forms: its three colours and its fonts.
namespace velorin {

namespace colours {
inline constexpr forms::Colour kBlack = 0x000000;
inline constexpr forms::Colour kWhite = 0xFFFFFF;
inline constexpr forms::Colour kAccent = 0xFF8080; // RGB 128, 128, 255
} // namespace colours

// Registers the embedded faces, draws Arial with Liberation Sans and makes Tahoma 8.25
// the default font; call once after the application object exists.
void setUpLook();

} // namespace velorin
