#include "exact.h"

#include "numeral.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace calc::exact
{
namespace
{

constexpr std::size_t kMaxExactDigits = 32768;

// The number of decimal digits of n > 0.
std::int64_t DigitCount(const Integer &n)
{
    const auto bits = static_cast<std::int64_t>(msb(n)); // n ∈ [2^bits, 2^(bits + 1))
    auto digits = static_cast<std::int64_t>(static_cast<double>(bits) * 0.30102999566398120) + 1;
    while (n >= PowerOfTen(digits))
        ++digits;
    while (digits > 1 && n < PowerOfTen(digits - 1))
        --digits;
    return digits;
}

// The integer that decimal digits ('0' to '9') write, nineteen digits at a time.
Integer FromDigits(std::string_view digits)
{
    Integer value = 0;
    while (!digits.empty()) {
        const std::size_t count = std::min<std::size_t>(digits.size(), 19);
        std::uint64_t chunk = 0;
        std::uint64_t scale = 1;
        for (std::size_t i = 0; i < count; ++i) {
            chunk = chunk * 10 + static_cast<std::uint64_t>(digits[i] - '0');
            scale *= 10;
        }
        value = value * scale + chunk;
        digits.remove_prefix(count);
    }
    return value;
}

// Brings two values to the smaller of their exponents: the significands then compare
// and subtract as the values do.
void Align(const Decimal &x, const Decimal &y, Integer &xs, Integer &ys)
{
    xs = x.significand;
    ys = y.significand;
    if (x.exponent > y.exponent)
        xs *= PowerOfTen(x.exponent - y.exponent);
    else if (y.exponent > x.exponent)
        ys *= PowerOfTen(y.exponent - x.exponent);
}

} // namespace

Integer RootFloor(const Integer &n)
{
    if (n < 2)
        return n;
    // A start above √n: the root of the leading bits, an even number of bits dropped,
    // rounded well up. From above, each step comes down until the floor is reached.
    const auto bits = static_cast<unsigned>(msb(n)) + 1;
    const unsigned dropped = bits > 52 ? (bits - 51) & ~1U : 0;
    const auto leading = static_cast<double>(Integer(n >> dropped).convert_to<std::uint64_t>());
    Integer x = Integer(static_cast<std::uint64_t>(std::sqrt(leading) * (1 + 0x1p-40)) + 2)
                << (dropped / 2);
    while (true) {
        Integer next = (x + n / x) >> 1;
        if (next >= x)
            return x;
        x = std::move(next);
    }
}

Integer PowerOfTen(std::int64_t n)
{
    // The powers that fit a machine word, at once; the others from them.
    static constexpr std::uint64_t kSmall[] = {1U,
                                               10U,
                                               100U,
                                               1'000U,
                                               10'000U,
                                               100'000U,
                                               1'000'000U,
                                               10'000'000U,
                                               100'000'000U,
                                               1'000'000'000U,
                                               10'000'000'000U,
                                               100'000'000'000U,
                                               1'000'000'000'000U,
                                               10'000'000'000'000U,
                                               100'000'000'000'000U,
                                               1'000'000'000'000'000U,
                                               10'000'000'000'000'000U,
                                               100'000'000'000'000'000U,
                                               1'000'000'000'000'000'000U,
                                               10'000'000'000'000'000'000U};
    if (n >= 0 && n < 20)
        return Integer(kSmall[static_cast<std::size_t>(n)]);
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(n));
}

Decimal MakeDecimal(int sign, Integer significand, std::int64_t exponent)
{
    if (sign == 0 || significand == 0)
        return {};
    Decimal value{.sign = sign, .significand = std::move(significand), .exponent = exponent};
    value.digits = DigitCount(value.significand);
    return value;
}

Decimal ReadExactNumber(std::string_view text, std::string_view decimalSeparator)
{
    numeral::Scanner in(text);
    const int radixBits = numeral::TakeRadixPrefix(in);
    if (radixBits < 0)
        return {};
    if (radixBits > 0) {
        // The digits a machine word at a time, and those beyond the kept ones counted and
        // shifted in at once: a digit at a time, each step would copy the whole number.
        Integer value = 0;
        std::uint64_t word = 0;
        unsigned wordBits = 0;
        std::size_t count = 0;
        std::uint64_t dropped = 0;
        bool sticky = false;
        numeral::ScanRadixDigits(in, radixBits, [&](int digit) {
            if (count == kMaxExactDigits) {
                sticky = sticky || digit != 0;
                ++dropped;
                return;
            }
            ++count;
            word = word << radixBits | static_cast<std::uint64_t>(digit);
            wordBits += static_cast<unsigned>(radixBits);
            if (wordBits + static_cast<unsigned>(radixBits) > 64) {
                value = (value << wordBits) | word;
                word = 0;
                wordBits = 0;
            }
        });
        value = (value << wordBits) | word;
        value <<= static_cast<unsigned>(dropped * static_cast<std::uint64_t>(radixBits));
        return MakeDecimal(1, value | (sticky ? 1 : 0), 0);
    }
    std::string digits;
    bool sticky = false;
    const numeral::DecimalForm form = numeral::ScanDecimal(
        in, numeral::UsableSeparator(decimalSeparator) ? decimalSeparator : "", [&](char c) {
            if (digits.size() < kMaxExactDigits)
                digits += c;
            else
                sticky = sticky || c != '0';
        });
    if (sticky)
        digits += '1';
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return {};
    const auto count = static_cast<std::int64_t>(digits.size());
    return {.sign = form.negative ? -1 : 1,
            .significand = FromDigits(digits),
            .exponent = form.exponent - count,
            .digits = count};
}

Decimal ExactValue(double value)
{
    if (value == 0 || !std::isfinite(value))
        return {};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    // |value| = m · 2^(exponent − 53), m an integer below 2^53.
    Integer m(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
    const int power = exponent - 53;
    const int sign = value < 0 ? -1 : 1;
    if (power >= 0)
        return MakeDecimal(sign, m << power, 0);
    // m · 2^power = m · 5^−power · 10^power
    return MakeDecimal(
        sign, m * boost::multiprecision::pow(Integer(5), static_cast<unsigned>(-power)), power);
}

Decimal Times(const Decimal &x, const Decimal &y)
{
    return MakeDecimal(x.sign * y.sign, x.significand * y.significand, x.exponent + y.exponent);
}

int Compare(const Decimal &x, const Decimal &y)
{
    if (x.sign != y.sign)
        return x.sign < y.sign ? -1 : 1;
    if (x.sign == 0)
        return 0;
    int magnitudeOrder = 0;
    if (x.Magnitude() != y.Magnitude()) {
        magnitudeOrder = x.Magnitude() < y.Magnitude() ? -1 : 1;
    } else {
        // Of one magnitude, the exponents differ by no more than the digits do.
        Integer xs, ys;
        Align(x, y, xs, ys);
        magnitudeOrder = xs < ys ? -1 : xs > ys ? 1 : 0;
    }
    return x.sign * magnitudeOrder;
}

Rational ToRational(const Decimal &value, std::int64_t shift)
{
    const std::int64_t exponent = value.exponent + shift;
    Rational result = exponent >= 0 ? Rational(value.significand * PowerOfTen(exponent))
                                    : Rational(value.significand, PowerOfTen(-exponent));
    return value.sign < 0 ? Rational(-result) : result;
}

} // namespace calc::exact

#ifdef BOOST_NO_EXCEPTIONS
// Built without exceptions (the WebAssembly core), Boost reports its errors here. The core
// gives it none to report (no division by zero, no negative root): should it ever, the
// calculation stops, as on any other fault.
namespace boost
{
void throw_exception(const std::exception & /*error*/)
{
    std::abort();
}
void throw_exception(const std::exception & /*error*/, const boost::source_location & /*where*/)
{
    std::abort();
}
} // namespace boost
#endif
