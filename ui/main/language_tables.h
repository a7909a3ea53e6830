// The Russian and English texts of the main window's controls, as data.
#pragma once

#include "evaluation/valve.h"

#include <array>
#include <span>
#include <string_view>

namespace kelvane {

enum class TextRole
{
    Caption, // a label's text, a group's title, a button's text
    Hint,    // the pop-up hint
};

// One text of the window in both languages, written to every control named in `controls`
// (object names separated by blanks). Texts are UTF-8.
struct LanguageText
{
    TextRole role;
    std::string_view controls;
    Bilingual<> text;
};

std::span<const LanguageText> LanguageTexts();

// The two items of the selection-mode group (RadioGroup1), in item order.
std::array<std::string_view, 2> SelectionModeItems(Language language);

} // namespace kelvane
