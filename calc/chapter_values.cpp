#include "chapter_values.h"

#include "exact_rounding.h"

#include <algorithm>

namespace calc::chapter
{

using exact::Rational;
namespace
{

std::size_t Slot(ElementKind kind, std::size_t vertex)
{
    return static_cast<std::size_t>(ElementOf(kind, static_cast<int>(vertex)));
}

} // namespace

std::array<Ball, kElementCount> ElementBalls(const std::array<Ball, 3> &a)
{
    std::array<Ball, kElementCount> values;
    // Kahan's Heron: x ≥ y ≥ z, S = √((x + (y + z))(z − (x − y))(z + (x − y))(x + (y − z)))/4.
    std::array<Ball, 3> sorted = a;
    std::sort(sorted.begin(), sorted.end(),
              [](const Ball &p, const Ball &q) { return p.Value() > q.Value(); });
    const Ball &x = sorted[0], &y = sorted[1], &z = sorted[2];
    const Ball area =
        Ball(0.25) * Sqrt((x + (y + z)) * (z - (x - y)) * (z + (x - y)) * (x + (y - z)));
    const Ball perimeter = a[0] + a[1] + a[2];
    for (std::size_t i = 0; i < 3; ++i) {
        const Ball &opposite = a[i], &next = a[(i + 1) % 3], &last = a[(i + 2) % 3];
        const Ball sum = next + last;
        const Ball excess = (next - opposite) + last; // 2(p − a)
        // tan(α/2) = √((a − b + c)(a + b − c) / ((a + b + c)(b + c − a)))
        const Ball tangent = Sqrt(((opposite - next) + last) * (opposite + (next - last)) /
                                  ((opposite + sum) * excess));
        values[Slot(ElementKind::Side, i)] = opposite;
        values[Slot(ElementKind::Angle, i)] = Ball(2) * AtanDegrees(tangent);
        values[Slot(ElementKind::Altitude, i)] = Ball(2) * area / opposite;
        values[Slot(ElementKind::Median, i)] =
            Ball(0.5) * Sqrt(Ball(2) * next * next + Ball(2) * last * last - opposite * opposite);
        values[Slot(ElementKind::Bisector, i)] =
            Sqrt(next * last * excess * (sum + opposite)) / sum;
    }
    values[static_cast<std::size_t>(Element::Inradius)] = Ball(2) * area / perimeter;
    values[static_cast<std::size_t>(Element::Circumradius)] = a[0] * a[1] * a[2] / (Ball(4) * area);
    values[static_cast<std::size_t>(Element::Area)] = area;
    values[static_cast<std::size_t>(Element::Perimeter)] = perimeter;
    return values;
}

exact::Radical ExactElement(Element element, const std::array<exact::Radical, 3> &a)
{
    using exact::Radical;
    using exact::RootSum;
    if (!a[0].Known() || !a[1].Known() || !a[2].Known())
        return {};
    const std::array<RootSum, 3> q = {a[0].Squared(), a[1].Squared(), a[2].Squared()};
    const auto area = [&q] {
        // 16S² = 2(a²b² + b²c² + c²a²) − a⁴ − b⁴ − c⁴
        return Radical::Of(RootSum(Rational(1, 4)),
                           RootSum(2) * (q[0] * q[1] + q[1] * q[2] + q[2] * q[0]) - q[0] * q[0] -
                               q[1] * q[1] - q[2] * q[2]);
    };
    const ElementInfo &info = Info(element);
    const auto i = static_cast<std::size_t>(std::max(info.vertex, 0));
    const std::size_t j = (i + 1) % 3, k = (i + 2) % 3;
    switch (info.kind) {
    case ElementKind::Side:
        return a[i];
    case ElementKind::Angle:
        return Radical(q[j] + q[k] - q[i]) / (Radical(2) * a[j] * a[k]);
    case ElementKind::Altitude:
        return Radical(2) * area() / a[i];
    case ElementKind::Median:
        return Radical::Of(RootSum(Rational(1, 2)), RootSum(2) * q[j] + RootSum(2) * q[k] - q[i]);
    case ElementKind::Bisector: {
        const Radical sum = a[j] + a[k];
        return Sqrt(a[j] * a[k] * (sum * sum - Radical(q[i]))) / sum;
    }
    case ElementKind::Inradius:
        return Radical(2) * area() / (a[0] + a[1] + a[2]);
    case ElementKind::Circumradius:
        return a[0] * a[1] * a[2] / (Radical(4) * area());
    case ElementKind::Area:
        return area();
    case ElementKind::Perimeter:
        return a[0] + a[1] + a[2];
    }
    return {};
}

ExactTriangle ExactElements(const std::array<exact::Radical, 3> &a)
{
    ExactTriangle exact;
    for (std::size_t e = 0; e < kElementCount; ++e)
        exact.values[e] = ExactElement(static_cast<Element>(e), a);
    for (std::size_t v = 0; v < 3; ++v)
        if (const std::optional<exact::RootSum> cosine =
                exact
                    .values[static_cast<std::size_t>(
                        ElementOf(ElementKind::Angle, static_cast<int>(v)))]
                    .AsRootSum())
            exact.special[v] = exact::SpecialAngle(*cosine);
    return exact;
}

std::optional<Digits> ExactDigits(const exact::Radical &value)
{
    if (value.Sign().value_or(0) <= 0)
        return std::nullopt;
    if (const std::optional<exact::RootSum> sum = value.AsRootSum()) {
        if (const std::optional<Rational> q = sum->AsRational())
            return exact::RoundToDigits(*q, false);
        if (sum->Terms().size() == 1) {
            const exact::RootSum::Term &term = sum->Terms().front();
            return exact::RoundToDigits(term.coefficient * term.coefficient * term.radicand, true);
        }
    }
    // Irrational: intervals narrow enough round alike at both ends.
    for (unsigned bits = 128; bits <= 8192; bits *= 2) {
        const exact::Interval interval = value.Enclose(bits);
        const Rational lower = interval.Lower();
        if (lower <= 0)
            continue;
        const Digits low = exact::RoundToDigits(lower, false);
        if (low == exact::RoundToDigits(interval.Upper(), false)) {
            Digits digits = low;
            digits.exact = false;
            return digits;
        }
    }
    return std::nullopt;
}

Number NumberOf(const Ball &value, const exact::Radical *exact)
{
    Number number{value.Value(), {}};
    std::optional<Digits> digits = CertainDigits(value);
    if (!digits && exact != nullptr)
        digits = ExactDigits(*exact);
    if (digits)
        number.digits = *digits;
    return number;
}

} // namespace calc::chapter
