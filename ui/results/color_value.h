// Colour values of the evaluation (0x00BBGGRR, or a system colour) turned into colours the widgets paint.
#pragma once

#include "evaluation/shim_plan.h"

#include <QColor>

class QPalette;

namespace kelvane {

// The standard colours the legend uses, in the same 0x00BBGGRR form.
inline constexpr ColorValue kClRed = 0x000000FFu;
inline constexpr ColorValue kClLime = 0x0000FF00u;
inline constexpr ColorValue kClBlue = 0x00FF0000u;

// The low byte is red. A system colour (high byte 0xFF, such as button face) takes its colour
// from the palette, so the diagram follows the desktop's theme.
QColor ToQColor(ColorValue value, const QPalette& palette);

} // namespace kelvane
