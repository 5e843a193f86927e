#include "exact_surds.h"

#include "exact_form.h"

#include <algorithm>
#include <cmath>

namespace calc::exact
{
namespace
{

int SignOf(const Rational &q)
{
    return q > 0 ? 1 : q < 0 ? -1 : 0;
}

// Radicands of more bits are left as they are: their square parts would take long to find
// (a factor of large primes), and their forms are too long to help a student anyway; equal
// square classes are still told apart exactly, by the square of a product.
constexpr unsigned kMostReducedBits = 256;

// The square part of the radicand moved into the coefficient, where it can be found.
void Reduce(Integer &radicand, Rational &coefficient)
{
    if (radicand == 1 || msb(radicand) >= kMostReducedBits)
        return;
    Integer square, rest;
    if (SplitSquare(radicand, square, rest)) {
        coefficient *= square;
        radicand = std::move(rest);
    }
}

// How often `factor` > 1 divides n: whether odd.
bool OddPower(Integer n, const Integer &factor)
{
    bool odd = false;
    for (;;) {
        Integer quotient, remainder;
        divide_qr(n, factor, quotient, remainder);
        if (remainder != 0)
            return odd;
        n = std::move(quotient);
        odd = !odd;
    }
}

// Numbers pairwise coprime whose products give each of `numbers` (all above 1): each pair
// with a common factor g is split into g and the two quotients until none is left.
std::vector<Integer> CoprimeBase(std::vector<Integer> numbers)
{
    for (bool split = true; split;) {
        split = false;
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        for (std::size_t i = 0; i < numbers.size() && !split; ++i)
            for (std::size_t j = i + 1; j < numbers.size() && !split; ++j) {
                const Integer g = gcd(numbers[i], numbers[j]);
                if (g == 1)
                    continue;
                numbers[i] /= g;
                numbers[j] /= g;
                numbers.push_back(g);
                numbers.erase(std::remove(numbers.begin(), numbers.end(), Integer(1)),
                              numbers.end());
                split = true;
            }
    }
    return numbers;
}

// A root the value has an odd power of, in some term, that is no square: the one its
// conjugate turns the sign of.
Integer Generator(const RootSum &value)
{
    std::vector<Integer> radicands;
    for (const RootSum::Term &term : value.Terms())
        if (term.radicand != 1)
            radicands.push_back(term.radicand);
    for (const Integer &factor : CoprimeBase(radicands)) {
        if (IsSquare(factor))
            continue;
        for (const RootSum::Term &term : value.Terms())
            if (term.radicand != 1 && OddPower(term.radicand, factor))
                return factor;
    }
    return 1; // (a value that is not rational has one)
}

double Approximately(const Rational &q)
{
    return q.convert_to<double>();
}

Integer Lcm(const Integer &x, const Integer &y)
{
    return x / gcd(x, y) * y;
}

// The common denominator of the coefficients.
Integer Denominator(const RootSum &value)
{
    Integer d = 1;
    for (const RootSum::Term &term : value.Terms())
        d = Lcm(d, denominator(term.coefficient));
    return d;
}

} // namespace

RootSum::RootSum(const Rational &value)
{
    if (value != 0)
        terms_.push_back({value, 1});
}

RootSum::RootSum(std::int64_t value) : RootSum(Rational(value)) {}

RootSum RootSum::RootOf(const Rational &square)
{
    RootSum root;
    if (square <= 0)
        return root;
    // √(n/d) = √(n·d)/d
    Integer radicand = numerator(square) * denominator(square);
    Rational coefficient(Integer(1), denominator(square));
    Reduce(radicand, coefficient);
    root.Add(std::move(coefficient), std::move(radicand));
    return root;
}

void RootSum::Add(Rational coefficient, Integer radicand)
{
    if (coefficient == 0)
        return;
    const auto merge = [this, &coefficient](std::vector<Term>::iterator term,
                                            const Rational &factor) {
        term->coefficient += coefficient * factor;
        if (term->coefficient == 0)
            terms_.erase(term);
    };
    for (auto term = terms_.begin(); term != terms_.end(); ++term)
        if (term->radicand == radicand)
            return merge(term, 1);
    // Of one square class: √r = (√(r·t)/t)·√t.
    for (auto term = terms_.begin(); term != terms_.end(); ++term) {
        const Integer product = term->radicand * radicand;
        if (IsSquare(product))
            return merge(term, Rational(RootFloor(product), term->radicand));
    }
    const auto place =
        std::lower_bound(terms_.begin(), terms_.end(), radicand,
                         [](const Term &term, const Integer &r) { return term.radicand < r; });
    terms_.insert(place, {std::move(coefficient), std::move(radicand)});
}

std::optional<Rational> RootSum::AsRational() const
{
    if (terms_.empty())
        return Rational(0);
    if (terms_.size() == 1 && terms_.front().radicand == 1)
        return terms_.front().coefficient;
    return std::nullopt;
}

int RootSum::Sign() const
{
    if (terms_.empty())
        return 0;
    if (terms_.size() == 1)
        return SignOf(terms_.front().coefficient);
    // Doubles first, where the sum is well clear of their rounding.
    double sum = 0;
    double size = 0;
    for (const Term &term : terms_) {
        const double value =
            Approximately(term.coefficient) * std::sqrt(term.radicand.convert_to<double>());
        sum += value;
        size += std::fabs(value);
    }
    if (std::isfinite(size) && std::fabs(sum) > size * 1e-12)
        return sum > 0 ? 1 : -1;
    // The value is not zero (its roots are independent): intervals narrow enough tell.
    for (unsigned bits = 128;; bits *= 2) {
        const Interval value = Enclose(bits);
        if (value.Lower() > 0)
            return 1;
        if (value.Upper() < 0)
            return -1;
    }
}

RootSum RootSum::operator-() const
{
    RootSum negated = *this;
    for (Term &term : negated.terms_)
        term.coefficient = -term.coefficient;
    return negated;
}

RootSum operator+(const RootSum &x, const RootSum &y)
{
    RootSum sum = x;
    for (const RootSum::Term &term : y.terms_)
        sum.Add(term.coefficient, term.radicand);
    return sum;
}

RootSum operator-(const RootSum &x, const RootSum &y)
{
    return x + -y;
}

RootSum operator*(const RootSum &x, const RootSum &y)
{
    RootSum product;
    for (const RootSum::Term &s : x.terms_)
        for (const RootSum::Term &t : y.terms_) {
            // √r·√t = g·√((r/g)·(t/g)), g = gcd(r, t): square-free when r and t are.
            const Integer g = gcd(s.radicand, t.radicand);
            product.Add(s.coefficient * t.coefficient * g, (s.radicand / g) * (t.radicand / g));
        }
    return product;
}

RootSum operator/(const RootSum &x, const RootSum &y)
{
    if (y.IsZero())
        return {};
    // (A + B√g)(A − B√g) = A² − B²g has no √g: one root after the other, the divisor
    // becomes rational.
    RootSum numerator = x;
    RootSum divisor = y;
    while (!divisor.AsRational()) {
        const Integer generator = Generator(divisor);
        RootSum conjugate = divisor;
        for (RootSum::Term &term : conjugate.terms_)
            if (term.radicand != 1 && OddPower(term.radicand, generator))
                term.coefficient = -term.coefficient;
        numerator = numerator * conjugate;
        divisor = divisor * conjugate;
    }
    const Rational quotient = *divisor.AsRational();
    for (RootSum::Term &term : numerator.terms_)
        term.coefficient /= quotient;
    return numerator;
}

Interval RootSum::Enclose(unsigned bits) const
{
    Interval sum = Interval::Of(Quadratic(0), bits);
    for (const Term &term : terms_) {
        const Rational square = term.coefficient * term.coefficient * term.radicand;
        sum = sum + Interval::Of(Quadratic::RootOf(square, SignOf(term.coefficient)), bits);
    }
    return sum;
}

std::optional<RootSum> SquareRootOf(const RootSum &x)
{
    if (const std::optional<Rational> q = x.AsRational())
        return *q < 0 ? std::nullopt : std::optional<RootSum>(RootSum::RootOf(*q));
    if (x.Terms().size() != 2 || x.Terms().front().radicand != 1 || x.Sign() < 0)
        return std::nullopt;
    // √(p + q√d) = √u ± √v, u + v = p, 4uv = q²d: u, v = (p ± z)/2, z² = p² − q²d.
    const Rational &p = x.Terms()[0].coefficient;
    const Rational &q = x.Terms()[1].coefficient;
    const Rational square = p * p - q * q * x.Terms()[1].radicand;
    if (square < 0 || !IsSquare(square))
        return std::nullopt;
    const Rational z(RootFloor(numerator(square)), RootFloor(denominator(square)));
    const RootSum v = RootSum::RootOf((p - z) / 2);
    return RootSum::RootOf((p + z) / 2) + (q > 0 ? v : -v);
}

Radical Radical::Of(const RootSum &factor, const RootSum &radicand)
{
    if (factor.IsZero())
        return Radical(0);
    if (radicand.Sign() <= 0)
        return {};
    if (const std::optional<RootSum> root = SquareRootOf(radicand))
        return Radical(factor * *root);
    // √R = √(R·D²)/D, with whole coefficients in R·D², and the square part of their common
    // factor taken out: √(8 + 4√2) = 2√(2 + √2), √(74 − 10√33) as it is.
    const Integer d = Denominator(radicand);
    const RootSum whole = radicand * RootSum(Rational(d * d));
    Integer content = 0;
    for (const RootSum::Term &term : whole.Terms())
        content = gcd(content, numerator(term.coefficient));
    Integer square = 1, rest;
    if (msb(content) >= kMostReducedBits || !SplitSquare(content, square, rest))
        square = 1;
    Radical value;
    value.known_ = true;
    value.factor_ = factor * RootSum(Rational(square, d));
    value.radicand_ = whole * RootSum(Rational(Integer(1), square * square));
    return value;
}

std::optional<RootSum> Radical::AsRootSum() const
{
    if (!known_ || HasRoot())
        return std::nullopt;
    return factor_;
}

std::optional<int> Radical::Sign() const
{
    if (!known_)
        return std::nullopt;
    return factor_.Sign();
}

Radical Radical::operator-() const
{
    Radical negated = *this;
    negated.factor_ = -factor_;
    return negated;
}

Radical operator+(const Radical &x, const Radical &y)
{
    if (!x.known_ || !y.known_)
        return {};
    if (x.factor_.IsZero())
        return y;
    if (y.factor_.IsZero())
        return x;
    if (x.radicand_ == y.radicand_)
        return Radical::Of(x.factor_ + y.factor_, x.radicand_);
    // f·√s + g·√t = (f·√(s/t) + g)·√t, where s/t has a root.
    if (const std::optional<RootSum> root = SquareRootOf(x.radicand_ / y.radicand_))
        return Radical::Of(x.factor_ * *root + y.factor_, y.radicand_);
    return {};
}

Radical operator-(const Radical &x, const Radical &y)
{
    return x + -y;
}

Radical operator*(const Radical &x, const Radical &y)
{
    if (!x.known_ || !y.known_)
        return {};
    if (x.radicand_ == y.radicand_)
        return Radical(x.factor_ * y.factor_ * x.radicand_);
    return Radical::Of(x.factor_ * y.factor_, x.radicand_ * y.radicand_);
}

Radical operator/(const Radical &x, const Radical &y)
{
    if (!x.known_ || !y.known_ || y.factor_.IsZero())
        return {};
    // f√s / (g√t) = (f/(g·t))·√(s·t)
    return Radical::Of(x.factor_ / (y.factor_ * y.radicand_), x.radicand_ * y.radicand_);
}

Radical Sqrt(const Radical &x)
{
    if (!x.known_ || x.HasRoot() || x.factor_.Sign() < 0)
        return {};
    return Radical::Of(RootSum(1), x.factor_);
}

Interval Radical::Enclose(unsigned bits) const
{
    if (!HasRoot())
        return factor_.Enclose(bits);
    return factor_.Enclose(bits) * Root(radicand_.Enclose(bits));
}

std::optional<ExactSinCos> SpecialSinCos(const Rational &degrees)
{
    if (denominator(degrees) != 1 || degrees < 0 || degrees > 180)
        return std::nullopt;
    const auto n = numerator(degrees).convert_to<int>();
    if (n % 15 != 0)
        return std::nullopt;
    // sin 15k° for k = 0 … 6.
    const auto sine = [](int k) {
        switch (k) {
        case 0:
            return RootSum(0);
        case 1:
            return (RootSum::RootOf(6) - RootSum::RootOf(2)) * RootSum(Rational(1, 4));
        case 2:
            return RootSum(Rational(1, 2));
        case 3:
            return RootSum::RootOf(Rational(1, 2));
        case 4:
            return RootSum::RootOf(Rational(3, 4));
        case 5:
            return (RootSum::RootOf(6) + RootSum::RootOf(2)) * RootSum(Rational(1, 4));
        default:
            return RootSum(1);
        }
    };
    const int k = n / 15;
    return ExactSinCos{k <= 6 ? sine(k) : sine(12 - k), k <= 6 ? sine(6 - k) : -sine(k - 6)};
}

std::optional<int> SpecialAngle(const RootSum &cosine)
{
    double approximate = 0;
    for (const RootSum::Term &term : cosine.Terms())
        approximate +=
            Approximately(term.coefficient) * std::sqrt(term.radicand.convert_to<double>());
    for (int angle = 0; angle <= 180; angle += 15) {
        if (std::fabs(approximate - std::cos(angle * M_PI / 180)) > 1e-9)
            continue;
        if (SpecialSinCos(angle)->cos == cosine)
            return angle;
    }
    return std::nullopt;
}

std::string RootSumText(const RootSum &value)
{
    if (value.IsZero())
        return "0";
    const Integer d = Denominator(value);
    // The rational part first, then the roots from the largest radicand; a positive term
    // leads where there is one: "√3 − 1" rather than "−1 + √3".
    std::vector<RootSum::Term> terms(value.Terms().begin(), value.Terms().end());
    std::stable_sort(terms.begin(), terms.end(), [](const auto &s, const auto &t) {
        return s.radicand == 1 ? t.radicand != 1 : t.radicand != 1 && s.radicand > t.radicand;
    });
    const auto positive = std::find_if(terms.begin(), terms.end(),
                                       [](const auto &term) { return term.coefficient > 0; });
    if (positive != terms.end())
        std::rotate(terms.begin(), positive, positive + 1);
    std::string text;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const Integer n = numerator(Rational(terms[i].coefficient * d));
        if (i == 0)
            text += n < 0 ? "−" : "";
        else
            text += n < 0 ? " − " : " + ";
        const Integer magnitude = abs(n);
        if (terms[i].radicand == 1 || magnitude != 1)
            text += IntegerText(magnitude);
        if (terms[i].radicand != 1) {
            text += "√";
            text += IntegerText(terms[i].radicand);
        }
    }
    if (d == 1)
        return text;
    std::string quotient = terms.size() > 1 ? "(" + text + ")" : text;
    quotient += '/';
    quotient += IntegerText(d);
    return quotient;
}

std::string RadicalText(const Radical &value)
{
    if (!value.Known())
        return {};
    if (!value.HasRoot())
        return RootSumText(value.Factor());
    std::string root = "√(";
    root += RootSumText(value.Radicand());
    root += ')';
    const std::optional<Rational> factor = value.Factor().AsRational();
    if (!factor) { // (whole sum)·√(…)/d
        const Integer d = Denominator(value.Factor());
        const RootSum whole = value.Factor() * RootSum(Rational(d));
        std::string text = whole.Terms().size() == 1 ? RootSumText(whole) + "·" + root
                                                     : "(" + RootSumText(whole) + ")·" + root;
        if (d != 1) {
            text += '/';
            text += IntegerText(d);
        }
        return text;
    }
    const Integer &n = numerator(*factor);
    std::string text = n < 0 ? "−" : "";
    if (abs(n) != 1)
        text += IntegerText(abs(n));
    text += root;
    if (denominator(*factor) != 1) {
        text += '/';
        text += IntegerText(denominator(*factor));
    }
    return text;
}

} // namespace calc::exact
