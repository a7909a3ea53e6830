// Exact powers of ten in extended precision, for reading and writing decimal texts without the C library.
#pragma once

#include <array>

namespace kelvane {

// Every power of ten up to 10^27 is exact in long double (5^27 < 2^64).
inline constexpr std::array<long double, 28> kPowersOfTen = [] {
    std::array<long double, 28> powers{};
    long double power = 1;
    for (long double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

} // namespace kelvane
