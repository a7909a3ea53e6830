// Exact decimal reading and writing of long double on a small natural-number type of the program's own.
#include "numbers/exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace kelvane {

namespace {

// Libraries differ here (libstdc++ on MinGW reads long double through double), so the texts come from
// integer arithmetic alone, with the format's parameters taken from the type rather than assumed.
using Limits = std::numeric_limits<long double>;
constexpr int kSignificandBits = Limits::digits;
static_assert(Limits::radix == 2 && kSignificandBits <= 64, "a significand must fit a 64-bit integer");
constexpr std::uint64_t kLowestSignificand = std::uint64_t{1} << (kSignificandBits - 1);
constexpr std::uint64_t kHighestSignificand = kLowestSignificand - 1 + kLowestSignificand;
constexpr int kLowestNormalExponent = Limits::min_exponent - 1; // of the leading bit
constexpr int kHighestExponent = Limits::max_exponent - 1;
constexpr int kLowestUnit = Limits::min_exponent - kSignificandBits; // the smallest subnormal

// A natural number of any size: 32-bit limbs, least significant first, no leading zero limb.
class Natural
{
public:
    explicit Natural(std::uint64_t value = 0)
    {
        for (; value != 0; value >>= 32)
            limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    bool IsZero() const { return limbs_.empty(); }

    std::int64_t BitLength() const
    {
        if (limbs_.empty())
            return 0;
        return 32 * static_cast<std::int64_t>(limbs_.size() - 1) + std::bit_width(limbs_.back());
    }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void MultiplyByPowerOfFive(std::int64_t exponent)
    {
        constexpr std::uint32_t kFiveTo13 = 1'220'703'125; // the largest power of five in a limb
        for (; exponent >= 13; exponent -= 13)
            MultiplyAdd(kFiveTo13, 0);
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent)
            rest *= 5;
        MultiplyAdd(rest, 0);
    }

    void ShiftLeft(std::int64_t bits)
    {
        if (limbs_.empty())
            return;
        const int part = static_cast<int>(bits % 32);
        if (part != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint32_t out = limb >> (32 - part);
                limb = (limb << part) | carry;
                carry = out;
            }
            if (carry != 0)
                limbs_.push_back(carry);
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
    }

    int LeadingZeroBits() const { return limbs_.empty() ? 32 : std::countl_zero(limbs_.back()); }

    // Divides by a divisor whose top bit is set, for a quotient known to be below 2^64, and keeps the
    // remainder. Knuth's algorithm D on 32-bit digits: each estimated digit is at most one too large.
    std::uint64_t DivideBy(const Natural& divisor)
    {
        if (*this < divisor)
            return 0;
        const std::vector<std::uint32_t>& v = divisor.limbs_;
        const std::size_t n = v.size();
        limbs_.push_back(0);
        std::uint64_t quotient = 0;
        for (std::size_t j = limbs_.size() - n; j-- > 0;) {
            const std::uint64_t top = (std::uint64_t{limbs_[j + n]} << 32) | limbs_[j + n - 1];
            std::uint64_t digit = top / v[n - 1];
            std::uint64_t rest = top % v[n - 1];
            while (digit > 0xFFFF'FFFFu ||
                   (n >= 2 && digit * v[n - 2] > ((rest << 32) | limbs_[j + n - 2]))) {
                --digit;
                rest += v[n - 1];
                if (rest > 0xFFFF'FFFFu)
                    break;
            }
            std::uint64_t carry = 0;
            std::uint64_t borrow = 0;
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint64_t product = digit * v[i] + carry;
                carry = product >> 32;
                const std::uint64_t difference =
                    std::uint64_t{limbs_[i + j]} - (product & 0xFFFF'FFFFu) - borrow;
                limbs_[i + j] = static_cast<std::uint32_t>(difference);
                borrow = difference >> 63;
            }
            const std::uint64_t difference = std::uint64_t{limbs_[j + n]} - carry - borrow;
            limbs_[j + n] = static_cast<std::uint32_t>(difference);
            if ((difference >> 63) != 0) {
                --digit;
                std::uint64_t sum = 0;
                for (std::size_t i = 0; i < n; ++i) {
                    sum += std::uint64_t{limbs_[i + j]} + v[i];
                    limbs_[i + j] = static_cast<std::uint32_t>(sum);
                    sum >>= 32;
                }
                limbs_[j + n] += static_cast<std::uint32_t>(sum);
            }
            quotient = (quotient << 32) | digit;
        }
        Trim();
        return quotient;
    }

    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b)
    {
        if (a.limbs_.size() != b.limbs_.size())
            return a.limbs_.size() <=> b.limbs_.size();
        for (std::size_t i = a.limbs_.size(); i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i])
                return a.limbs_[i] <=> b.limbs_[i];
        return std::strong_ordering::equal;
    }

private:
    void Trim()
    {
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

// A positive rational number, scaled by powers of five and two until its integer part is the wanted
// digits; then divided, with the remainder deciding the rounding.
struct Fraction
{
    Natural numerator;
    Natural divisor{1};

    // Multiplies by 5^fives × 2^twos, growing one side or the other; 10^k is 5^k × 2^k.
    void Scale(std::int64_t fives, std::int64_t twos)
    {
        if (fives >= 0)
            numerator.MultiplyByPowerOfFive(fives);
        else
            divisor.MultiplyByPowerOfFive(-fives);
        if (twos >= 0)
            numerator.ShiftLeft(twos);
        else
            divisor.ShiftLeft(-twos);
    }

    // The integer part, which the caller knows to be below 2^64; the numerator keeps the remainder.
    std::uint64_t TakeIntegerPart()
    {
        const int shift = divisor.LeadingZeroBits();
        numerator.ShiftLeft(shift);
        divisor.ShiftLeft(shift);
        return numerator.DivideBy(divisor);
    }

    // After TakeIntegerPart: whether the quotient rounds up to the nearest, ties to even.
    bool RoundsUp(std::uint64_t quotient) const
    {
        Natural twice = numerator;
        twice.ShiftLeft(1);
        const auto order = twice <=> divisor;
        return order > 0 || (order == 0 && (quotient & 1) != 0);
    }

    bool Exact() const { return numerator.IsZero(); }
};

// A halfway point between neighbouring values, and every exactly representable value, has at most this
// many significant digits: (P + 1)-bit integers times 2^-(P + 1 - min_exponent) at the finest. Digits
// beyond them only tell whether the value lies above the digits kept, which one digit 1 says as well.
constexpr std::size_t kKeptDigits =
    (kSignificandBits + 1) * 30103 / 100000 +
    (kSignificandBits + 1 - Limits::min_exponent) * std::int64_t{69897} / 100000 + 2;

// Far beyond any value's decimal exponent and far from overflowing the sums it goes into.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

} // namespace

std::optional<long double> ExactDecimalValue(std::string_view text)
{
    std::size_t at = 0;
    const bool negative = text.starts_with('-');
    if (negative)
        ++at;
    std::string digits;        // significant digits, the first one not zero
    std::int64_t exponent = 0; // the magnitude is digits × 10^exponent
    bool droppedNonZero = false;
    bool anyDigit = false;
    bool afterPoint = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        anyDigit = true;
        if (digits.size() < kKeptDigits && (c != '0' || !digits.empty())) {
            digits += c;
            exponent -= afterPoint ? 1 : 0;
        } else if (digits.empty()) {
            exponent -= afterPoint ? 1 : 0; // a leading zero
        } else {
            droppedNonZero |= c != '0';
            exponent += afterPoint ? 0 : 1;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            ++at;
        const std::size_t firstDigit = at;
        std::int64_t written = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
            written = std::min(written * 10 + (text[at] - '0'), kExponentCap);
        if (at == firstDigit)
            return std::nullopt;
        exponent += negativeExponent ? -written : written;
    }
    if (at != text.size())
        return std::nullopt;
    if (digits.empty())
        return negative ? -0.0L : 0.0L;

    if (droppedNonZero) {
        digits += '1';
        --exponent;
    } else {
        for (; digits.back() == '0'; digits.pop_back())
            ++exponent;
    }
    // The magnitude lies in [10^leading, 10^(leading + 1)). The subnormals reach at most 20 decades
    // below the normal range, so what lies further down rounds to zero, which is out of range too.
    const std::int64_t leading = exponent + static_cast<std::int64_t>(digits.size()) - 1;
    if (leading > Limits::max_exponent10 || leading < Limits::min_exponent10 - 20)
        return std::nullopt;

    Fraction value;
    for (std::size_t chunk = 0; chunk < digits.size(); chunk += 9) {
        std::uint32_t part = 0;
        std::uint32_t factor = 1;
        for (std::size_t i = chunk; i < digits.size() && i < chunk + 9; ++i) {
            part = part * 10 + static_cast<std::uint32_t>(digits[i] - '0');
            factor *= 10;
        }
        value.numerator.MultiplyAdd(factor, part);
    }
    value.Scale(exponent, 0);
    // Divided by 2^unit the magnitude lies in [2^(P-2), 2^P); doubled if below 2^(P-1), its integer
    // part is the significand before rounding.
    std::int64_t unit =
        value.numerator.BitLength() - value.divisor.BitLength() + exponent - (kSignificandBits - 1);
    value.Scale(0, exponent - unit);
    Natural lowest = value.divisor;
    lowest.ShiftLeft(kSignificandBits - 1);
    if (value.numerator < lowest) {
        value.numerator.ShiftLeft(1);
        --unit;
    }
    std::uint64_t significand = value.TakeIntegerPart();
    const bool exact = value.Exact() && !droppedNonZero;
    if (value.RoundsUp(significand)) {
        if (significand == kHighestSignificand) {
            significand = kLowestSignificand;
            ++unit;
        } else {
            ++significand;
        }
    }

    const std::int64_t leadingBit = unit + kSignificandBits - 1;
    if (leadingBit > kHighestExponent)
        return std::nullopt;
    // Below the normal range (judged after rounding, as x86 does) glibc reports every value it has to
    // round as out of range, and such a text has never been a number here; so only values exact on
    // the subnormals' spacing are left, and they need no rounding.
    if (leadingBit < kLowestNormalExponent) {
        const std::int64_t finerBits = kLowestUnit - unit;
        if (!exact || finerBits >= 64 ||
            (finerBits > 0 && (significand & ((std::uint64_t{1} << finerBits) - 1)) != 0))
            return std::nullopt;
    }
    const long double magnitude = std::ldexp(static_cast<long double>(significand), static_cast<int>(unit));
    return negative ? -magnitude : magnitude;
}

void AppendGeneralFormat(long double magnitude, int digits, std::string& text)
{
    int binaryExponent = 0; // the magnitude lies in [2^(binaryExponent - 1), 2^binaryExponent)
    const long double fraction = std::frexp(magnitude, &binaryExponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, kSignificandBits));
    std::uint64_t limit = 1; // 10^digits
    for (int i = 0; i < digits; ++i)
        limit *= 10;

    // The estimate of the leading digit's decimal exponent is at most one off; a wrong one costs a
    // second division.
    int decimalExponent = static_cast<int>(
        std::floor(std::log10(static_cast<double>(fraction)) + binaryExponent * 0.30102999566398120));
    Fraction value;
    std::uint64_t scaled = 0;
    for (;;) {
        const int scale = digits - 1 - decimalExponent;
        value = Fraction{Natural(significand)};
        value.Scale(scale, binaryExponent - kSignificandBits + scale);
        scaled = value.TakeIntegerPart();
        if (scaled >= limit)
            ++decimalExponent;
        else if (scaled < limit / 10)
            --decimalExponent;
        else
            break;
    }
    if (value.RoundsUp(scaled) && ++scaled == limit) {
        scaled = limit / 10;
        ++decimalExponent;
    }

    std::array<char, 20> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), scaled).ptr;
    while (end - buffer.data() > 1 && end[-1] == '0')
        --end;
    const std::string_view shown(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (decimalExponent < -4 || decimalExponent >= digits) {
        text += shown.front();
        if (shown.size() > 1) {
            text += '.';
            text += shown.substr(1);
        }
        text += decimalExponent < 0 ? "e-" : "e+";
        if (std::abs(decimalExponent) < 10)
            text += '0';
        text += std::to_string(std::abs(decimalExponent));
    } else if (decimalExponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(decimalExponent) + 1;
        text += shown.substr(0, integerDigits);
        if (shown.size() > integerDigits) {
            text += '.';
            text += shown.substr(integerDigits);
        } else {
            text.append(integerDigits - shown.size(), '0');
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-decimalExponent - 1), '0');
        text += shown;
    }
}

} // namespace kelvane
