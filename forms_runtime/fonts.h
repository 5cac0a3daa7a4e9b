#pragma once

#include "forms_runtime/control_design.h"

class QFont;

namespace forms {

// Registers the embedded faces and makes Tahoma 8.25 the default font; call once after the
// application object exists.
void registerEmbeddedFonts();

// The font a design asks for, drawn with the embedded metric-compatible face and sized
// in pixels at 96 dpi, so lines break the same way on every machine and scale.
QFont toQFont(const FontSpec& design);

} // namespace forms
