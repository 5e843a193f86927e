#include "exact_form.h"

#include "utf8.h"

#include <cstdint>
#include <vector>

namespace calc::exact
{
namespace
{

// The primes below 2^16, for trial division.
const std::vector<std::uint32_t> &SmallPrimes()
{
    static const std::vector<std::uint32_t> primes = [] {
        constexpr std::uint32_t kLimit = 1 << 16;
        std::vector<bool> composite(kLimit);
        std::vector<std::uint32_t> found;
        for (std::uint32_t n = 2; n < kLimit; ++n) {
            if (composite[n])
                continue;
            found.push_back(n);
            for (std::uint32_t m = n * n; m < kLimit; m += n)
                composite[m] = true;
        }
        return found;
    }();
    return primes;
}

// The decimal digits of n > 0, nineteen at a time. (Boost's own conversion to text brings
// the whole of the standard streams with it, too much for the web page's core.)
std::string DecimalText(Integer n)
{
    if (n == 0 || msb(n) < 64)
        return std::to_string(n.convert_to<std::uint64_t>());
    constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000U;
    std::string reversed;
    while (n != 0) {
        Integer quotient, remainder;
        divide_qr(n, Integer(kChunk), quotient, remainder);
        auto part = remainder.convert_to<std::uint64_t>();
        for (int digit = 0; digit < 19 && (quotient != 0 || part != 0); ++digit, part /= 10)
            reversed += static_cast<char>('0' + part % 10);
        n = std::move(quotient);
    }
    return {reversed.rbegin(), reversed.rend()};
}

// Miller and Rabin's test with the first thirteen primes as bases: exact below 3.3 · 10^24,
// and beyond that wrong for no number known. For odd n > 2^48.
bool IsPrime(const Integer &n)
{
    const Integer last = n - 1;
    Integer odd = last;
    unsigned twos = 0;
    for (; !bit_test(odd, 0); odd >>= 1)
        ++twos;
    for (const unsigned base : {2U, 3U, 5U, 7U, 11U, 13U, 17U, 19U, 23U, 29U, 31U, 37U, 41U}) {
        Integer x = powm(Integer(base), odd, n);
        bool composite = x != 1 && x != last;
        for (unsigned k = 1; composite && k < twos; ++k) {
            x = x * x % n;
            composite = x != last;
        }
        if (composite)
            return false;
    }
    return true;
}

// Takes every factor p out of n, into square and rest as n = square² · rest requires.
template<typename Number> void TakeOut(Number &n, std::uint32_t p, Integer &square, Integer &rest)
{
    bool odd = false;
    for (; n % p == 0; n /= p) {
        if (odd)
            square *= p;
        odd = !odd;
    }
    if (odd)
        rest *= p;
}

// What is left of n after trial division, with no prime factor below 2^16 (or prime):
// a square, a square-free number, or unknown (false).
bool SplitCofactor(const Integer &n, Integer &square, Integer &rest)
{
    if (n == 1)
        return true;
    const Integer root = RootFloor(n);
    if (root * root == n) {
        square *= root;
        return true;
    }
    // At most two prime factors, not equal: n is square-free; or a prime.
    if (n < (Integer(1) << 48) || IsPrime(n)) {
        rest *= n;
        return true;
    }
    return false;
}

// Beyond these bits, the numerator and denominator need more digits than a form holds.
constexpr unsigned kMaxRationalBits = 136;
constexpr unsigned kMaxSquareBits = 300;

} // namespace

// n = square² · rest, rest square-free; false when that cannot be settled by trial
// division, a perfect square test and a primality test. While n is large, the primes are
// tried a group at a time (one remainder of n by their product, below 2^64, then each in
// machine words); once n fits a machine word, one at a time in it.
bool SplitSquare(Integer n, Integer &square, Integer &rest)
{
    square = 1;
    rest = 1;
    const std::vector<std::uint32_t> &primes = SmallPrimes();
    std::size_t i = 0;
    while (i < primes.size() && msb(n) >= 64) {
        std::uint64_t product = 1;
        std::size_t end = i;
        for (; end < primes.size() && product <= UINT64_MAX / primes[end]; ++end)
            product *= primes[end];
        const auto residue = static_cast<std::uint64_t>(n % product);
        for (; i < end; ++i)
            if (residue % primes[i] == 0)
                TakeOut(n, primes[i], square, rest);
    }
    if (i < primes.size()) {
        auto small = n.convert_to<std::uint64_t>();
        for (; i < primes.size() && std::uint64_t{primes[i]} * primes[i] <= small; ++i)
            if (small % primes[i] == 0)
                TakeOut(small, primes[i], square, rest);
        n = small;
    }
    return SplitCofactor(n, square, rest);
}

std::string IntegerText(const Integer &n)
{
    if (n >= 0)
        return DecimalText(n);
    // (Appended, not added: GCC 12 takes "-" + a string for an overlapping copy.)
    std::string text = "-";
    text += DecimalText(-n);
    return text;
}

std::string FormText(const Surd &form)
{
    // Appended a part at a time: GCC 12 takes "/" + a temporary string for an overlapping
    // copy (-Wrestrict) and fails the build.
    std::string text;
    if (form.n < 0)
        text += "−";
    const Integer magnitude = abs(form.n);
    if (form.r == 1 || magnitude != 1)
        text += DecimalText(magnitude);
    if (form.r != 1) {
        text += "√";
        text += DecimalText(form.r);
    }
    if (form.d != 1) {
        text += '/';
        text += DecimalText(form.d);
    }
    return text;
}

std::optional<Surd> FormOf(const Quadratic &value)
{
    Surd form;
    const Integer &n = numerator(value.Number());
    const Integer &d = denominator(value.Number());
    switch (value.ShapeOf()) {
    case Quadratic::Shape::None:
        return std::nullopt;
    case Quadratic::Shape::Quotient:
        if (n != 0 && msb(abs(n)) + msb(d) > kMaxRationalBits)
            return std::nullopt;
        form = {n, 1, d};
        break;
    case Quadratic::Shape::Root: {
        if (msb(n) + msb(d) > kMaxSquareBits)
            return std::nullopt;
        // √(n/d) = sn√rn / (sd√rd) = sn√(rn·rd) / (sd·rd); n and d are coprime, and so the
        // result.
        Integer sn, rn, sd, rd;
        if (!SplitSquare(n, sn, rn) || !SplitSquare(d, sd, rd))
            return std::nullopt;
        form = {value.Sign() < 0 ? Integer(-sn) : sn, rn * rd, sd * rd};
        break;
    }
    }
    if (Utf8Characters(FormText(form)) > kMaxFormLength)
        return std::nullopt;
    return form;
}

} // namespace calc::exact
