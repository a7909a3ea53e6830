// A seeded source of random numbers and texts for the random-input tests, the same on every platform.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace kelvane {

// The standard's distributions may differ between library implementations; the raw mt19937_64
// sequence does not, so everything here is derived from it directly and a failing case can be
// replayed anywhere from its seed and case number.
class SeededRandom final
{
public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    SeededRandom(const SeededRandom&) = delete;
    SeededRandom& operator=(const SeededRandom&) = delete;

    std::uint64_t Bits() { return m_engine(); }

    // Uniform enough in [0, n) for the small n used here; n must be positive.
    std::uint64_t Below(std::uint64_t n) { return m_engine() % n; }

    // Inclusive range.
    std::int64_t Between(std::int64_t low, std::int64_t high)
    {
        return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) + 1));
    }

    bool Percent(unsigned percent) { return Below(100) < percent; }

    // [0, 1) with 53 random bits.
    long double Unit() { return static_cast<long double>(m_engine() >> 11) * 0x1.0p-53L; }

    template <typename Items> const auto& Pick(const Items& items) { return items[Below(std::size(items))]; }

    char PickChar(std::string_view alphabet) { return alphabet[Below(alphabet.size())]; }

    std::string TextOf(std::string_view alphabet, std::size_t maxLength)
    {
        std::string text;
        const std::size_t length = Below(maxLength + 1);
        for (std::size_t i = 0; i < length; ++i)
            text += PickChar(alphabet);
        return text;
    }

    // Any finite or special extended-precision value: every binary exponent, both signs, the
    // infinities, NaN, zero of either sign and the extremes.
    long double AnyLongDouble()
    {
        using Limits = std::numeric_limits<long double>;
        switch (Below(16)) {
        case 0:
            return Limits::quiet_NaN();
        case 1:
            return Limits::infinity();
        case 2:
            return -Limits::infinity();
        case 3:
            return Percent(50) ? 0.0L : -0.0L;
        case 4:
            return Percent(50) ? Limits::max() : Limits::lowest();
        case 5:
            return Percent(50) ? Limits::denorm_min() : -Limits::min();
        default:
            break;
        }
        const long double mantissa = 0.5L + Unit() / 2;
        const int exponent = static_cast<int>(Between(Limits::min_exponent - 64, Limits::max_exponent));
        const long double value = std::ldexp(mantissa, exponent);
        return Percent(50) ? value : -value;
    }

    // A Unicode scalar value: mostly short-coded ones, all planes now and then, never a surrogate.
    char32_t CodePoint()
    {
        switch (Below(6)) {
        case 0:
            return static_cast<char32_t>(Between(0x20, 0x7E));
        case 1:
            return static_cast<char32_t>(Between(0x0400, 0x04FF)); // Cyrillic
        case 2:
            return static_cast<char32_t>(Between(0x0080, 0x07FF));
        case 3:
            return static_cast<char32_t>(Between(0x0800, 0xD7FF));
        case 4:
            return static_cast<char32_t>(Between(0xE000, 0xFFFF));
        default:
            return static_cast<char32_t>(Between(0x10000, 0x10FFFF));
        }
    }

    std::string Utf8Text(std::size_t maxCharacters)
    {
        std::string text;
        const std::size_t length = Below(maxCharacters + 1);
        for (std::size_t i = 0; i < length; ++i)
            AppendUtf8(text, CodePoint());
        return text;
    }

    // Bytes with no regard to UTF-8: stray continuation bytes, cut sequences, NUL.
    std::string RawBytes(std::size_t maxLength)
    {
        std::string text;
        const std::size_t length = Below(maxLength + 1);
        for (std::size_t i = 0; i < length; ++i)
            text += static_cast<char>(Below(256));
        return text;
    }

    static void AppendUtf8(std::string& text, char32_t c)
    {
        const auto byte = [&text](std::uint32_t b) { text += static_cast<char>(b); };
        const auto u = static_cast<std::uint32_t>(c);
        if (u < 0x80) {
            byte(u);
        } else if (u < 0x800) {
            byte(0xC0 | (u >> 6));
            byte(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            byte(0xE0 | (u >> 12));
            byte(0x80 | ((u >> 6) & 0x3F));
            byte(0x80 | (u & 0x3F));
        } else {
            byte(0xF0 | (u >> 18));
            byte(0x80 | ((u >> 12) & 0x3F));
            byte(0x80 | ((u >> 6) & 0x3F));
            byte(0x80 | (u & 0x3F));
        }
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace kelvane
