// The interface language and the one shape of a text (or a table of texts) given in both languages.
#pragma once

#include <string_view>

namespace kelvane {

enum class Language : int
{
    Russian = 0,
    English = 1
};

// What a window or the report shows in Russian and in English; the language in force picks one.
template <typename T = std::string_view> struct Bilingual
{
    T russian;
    T english;

    constexpr const T& in(Language language) const
    {
        return language == Language::English ? english : russian;
    }
};

} // namespace kelvane
