// Conversion of 0x00BBGGRR colour values and system colours to QColor.
#include "results/color_value.h"

#include <QPalette>

namespace kelvane {

namespace {

// System colour values carry the system colour's index in their low byte.
constexpr ColorValue kSystemColorFlag = 0xFF000000u;

struct SystemColor
{
    ColorValue index;
    QPalette::ColorRole role;
};

constexpr SystemColor kSystemColors[] = {
    {0x05, QPalette::Base},      // window background
    {0x08, QPalette::Text},      // window text
    {0x0D, QPalette::Highlight}, // highlight
    {0x0E, QPalette::HighlightedText},
    {0x0F, QPalette::Button},     // button face
    {0x12, QPalette::ButtonText}, // button text
};

} // namespace

QColor ToQColor(ColorValue value, const QPalette& palette)
{
    if ((value & kSystemColorFlag) == kSystemColorFlag) {
        const ColorValue index = value & 0xFFu;
        for (const SystemColor& system : kSystemColors) {
            if (system.index == index)
                return palette.color(system.role);
        }
        return palette.color(QPalette::Button);
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

} // namespace kelvane
