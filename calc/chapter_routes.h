#pragma once

// The closed forms of chapter_plan.h, written once for the three arithmetics a triple is
// decided in: Ball (certified doubles of doubles, the fast way), exact::Radical (exact, for
// rational lengths and angles that are multiples of 15°) and exact::Precise (intervals of a
// chosen precision, for other angles).
//
// Every comparison a route makes goes through its Decider, which records the signs in the
// order they are made. A sign one arithmetic cannot tell leaves the run undecided; the solve
// then runs the route in the next arithmetic, and at last once more in Ball with the signs
// it found replayed, so that the triangles' values come from the fast arithmetic, on the
// branches the decisive one chose (where a discriminant is exactly zero, its branch takes no
// root of a ball around zero). A comparison of two typed values, or of typed angles' sums,
// is made on the numbers as typed, whatever the arithmetic.
//
// The routes are written as a teacher writes them: an angle found from its sine has two
// branches, decided on lengths (a against b in the ambiguous case), not on angles that
// rounding would leave undecided.

#include "ball.h"
#include "chapter.h"
#include "exact_decision.h"
#include "exact_surds.h"
#include "exact_trig.h"

#include <array>
#include <optional>
#include <vector>

namespace calc::chapter::routes
{

using exact::Rational;

inline std::optional<int> SignOf(const Ball &x)
{
    return x.Sign();
}
inline std::optional<int> SignOf(const exact::Radical &x)
{
    return x.Sign();
}
inline std::optional<int> SignOf(const exact::Precise &x)
{
    return x.Sign();
}

// Roughly, for a choice between two formulas that are both right (the steadier one).
inline double Approximate(const Ball &x)
{
    return x.Value();
}
double Approximate(const exact::Radical &x);
inline double Approximate(const exact::Precise &x)
{
    return x.Approximate();
}

class Decider
{
public:
    Decider() = default;
    // Replays `signs` instead of deciding.
    explicit Decider(const std::vector<int> &signs) : replay_(&signs) {}

    template<typename T> int Sign(const T &x)
    {
        if (replay_ != nullptr)
            return Next();
        const std::optional<int> sign = SignOf(x);
        if (!sign)
            undecided_ = true;
        signs_.push_back(sign.value_or(1));
        return signs_.back();
    }
    // A sign found on the typed values.
    int Known(int sign)
    {
        if (replay_ != nullptr)
            return Next();
        signs_.push_back(sign);
        return sign;
    }

    bool Undecided() const { return undecided_; }
    const std::vector<int> &Signs() const { return signs_; }

private:
    int Next() { return position_ < replay_->size() ? (*replay_)[position_++] : 1; }

    const std::vector<int> *replay_ = nullptr;
    std::size_t position_ = 0;
    std::vector<int> signs_;
    bool undecided_ = false;
};

// 90° and 180°, as typed angles are compared with them.
const exact::Decimal &RightAngle();
const exact::Decimal &StraightAngle();

// The sign of the sum of typed values less a whole number, exactly.
int SignOfSum(std::initializer_list<const exact::Decimal *> terms, int total);

template<typename T> struct Recorded {
    RouteValue value;
    int index;
    T number;
};

// What a route knows: the lengths and the area, the sines and cosines of the angles, and which
// were typed (their decimals).
template<typename T> struct State {
    std::array<T, kElementCount> values{};
    std::array<T, 3> sin{}, cos{};
    std::array<const exact::Decimal *, kElementCount> typed{};
    std::vector<Recorded<T>> recorded;

    T &operator[](Element e) { return values[static_cast<std::size_t>(e)]; }
    const exact::Decimal *Typed(Element e) const { return typed[static_cast<std::size_t>(e)]; }
};

template<typename T> struct Candidate {
    std::array<T, 3> sides;
    // The cosines of the angles the route knows (a right angle it found is exactly 0); for
    // the others, nothing known.
    std::array<T, 3> cos;
    std::vector<Recorded<T>> recorded;
};

template<typename T> struct Outcome {
    std::vector<Candidate<T>> triangles;
    Refusal refusal;
    Identity family = Identity::None;
    bool search = false; // no closed form decides: the search does
};

// The elements of a triangle of sides `a` whose angles' sines and cosines are known (for the
// scale of two angles and another element).
template<typename T>
T ValueOf(Element element, const std::array<T, 3> &a, const std::array<T, 3> &sin,
          const std::array<T, 3> &cos)
{
    const ElementInfo &info = Info(element);
    const auto v = static_cast<std::size_t>(std::max(info.vertex, 0));
    const std::size_t w = (v + 1) % 3, x = (v + 2) % 3;
    const T half = T(1) / T(2);
    switch (info.kind) {
    case ElementKind::Side:
        return a[v];
    case ElementKind::Altitude:
        return a[w] * sin[x];
    case ElementKind::Median:
        return half * Sqrt(T(2) * a[w] * a[w] + T(2) * a[x] * a[x] - a[v] * a[v]);
    case ElementKind::Bisector:
        return T(2) * a[w] * a[x] * Sqrt(half * (T(1) + cos[v])) / (a[w] + a[x]);
    case ElementKind::Inradius:
        return a[1] * a[2] * sin[0] / (a[0] + a[1] + a[2]);
    case ElementKind::Circumradius:
        return a[0] / (T(2) * sin[0]);
    case ElementKind::Area:
        return half * a[1] * a[2] * sin[0];
    case ElementKind::Perimeter:
        return a[0] + a[1] + a[2];
    case ElementKind::Angle:
        break;
    }
    return T(0);
}

// 1 − cos x by the steadier of 1 − cos x and sin² x/(1 + cos x).
template<typename T> T OneMinusCos(const T &sin, const T &cos)
{
    return Approximate(cos) > 0 ? sin * sin / (T(1) + cos) : T(1) - cos;
}

template<typename T> class Runner
{
public:
    Runner(const Route &route, Decider &decider) : route_(route), decide_(decider) {}

    Outcome<T> Run(const State<T> &state)
    {
        Steps(state, 0);
        return std::move(outcome_);
    }

private:
    static std::size_t Vertex(Element e) { return static_cast<std::size_t>(Info(e).vertex); }
    static Element SideAt(std::size_t v)
    {
        return ElementOf(ElementKind::Side, static_cast<int>(v));
    }
    static Element AngleAt(std::size_t v)
    {
        return ElementOf(ElementKind::Angle, static_cast<int>(v));
    }

    void Refuse(Reason reason, std::initializer_list<Element> about,
                Identity identity = Identity::None)
    {
        if (outcome_.refusal.reason != Reason::None)
            return;
        outcome_.refusal.reason = reason;
        outcome_.refusal.count = static_cast<int>(about.size());
        std::copy(about.begin(), about.end(), outcome_.refusal.about.begin());
        outcome_.refusal.identity = identity;
    }

    void Accept(const State<T> &state, const std::array<T, 3> &sides)
    {
        outcome_.triangles.push_back({sides, state.cos, state.recorded});
    }

    // The sign of x − y, on the typed values where both are typed.
    int Compare(const State<T> &state, Element x, Element y, const T &difference)
    {
        const exact::Decimal *typedX = state.Typed(x);
        const exact::Decimal *typedY = state.Typed(y);
        if (typedX != nullptr && typedY != nullptr)
            return decide_.Known(exact::Compare(*typedX, *typedY));
        return decide_.Sign(difference);
    }

    // The sign of the angle at `v` less 90°.
    int AgainstRight(const State<T> &state, std::size_t v)
    {
        if (const exact::Decimal *typed = state.Typed(AngleAt(v)))
            return decide_.Known(exact::Compare(*typed, RightAngle()));
        return -decide_.Sign(state.cos[v]);
    }

    void Steps(State<T> state, std::size_t n);
    // An angle found from its sine, num/den: none, the right angle, or the acute and the
    // obtuse one, the sign of den − num decided by the caller.
    void Branches(State<T> state, std::size_t n, std::size_t vertex, const T &num, const T &den,
                  int sign);
    void Closed(State<T> &state);
    void TwoAngles(State<T> &state);
    void SideSideAngle(State<T> &state);
    void SideAngleAndOther(State<T> &state);
    void FromSumAndDifference(State<T> &state, const T &sumSquare, const T &difference);
    void AltitudeBisectorAngle(State<T> &state);
    void IdentityCheck(State<T> &state);

    const Route &route_;
    Decider &decide_;
    Outcome<T> outcome_;
};

template<typename T> void Runner<T>::Steps(State<T> state, std::size_t n)
{
    if (n == route_.steps.size())
        return Closed(state);
    const Step &step = route_.steps[n];
    const T partner = state[step.from[0]];
    const T replaced = state[step.from[1]];
    const auto find = [&](const T &value) {
        state[step.found] = value;
        state.recorded.push_back({RouteValue::FoundLength, static_cast<int>(n), value});
        Steps(std::move(state), n + 1);
    };
    switch (step.identity) {
    case Identity::AltitudeSine: // h_i = a_j·sin α_k
        if (!step.bySine)
            return find(replaced / state.sin[Vertex(step.from[0])]);
        {
            const int sign = Compare(state, step.from[0], step.from[1], partner - replaced);
            return Branches(std::move(state), n, Vertex(step.found), replaced, partner, sign);
        }
    case Identity::SineLaw: // a_i = 2R·sin α_i
        if (!step.bySine)
            return find(T(2) * replaced * state.sin[Vertex(step.from[0])]);
        {
            const T diameter = T(2) * replaced;
            const int sign = decide_.Sign(diameter - partner);
            return Branches(std::move(state), n, Vertex(step.found), partner, diameter, sign);
        }
    case Identity::SidesArea: // S = a_j·a_k·sin α_i/2
        if (!step.bySine)
            return find(T(2) * replaced / (partner * state.sin[Vertex(step.third)]));
        {
            const T product = partner * state[step.third];
            const T twice = T(2) * replaced;
            const int sign = decide_.Sign(product - twice);
            return Branches(std::move(state), n, Vertex(step.found), twice, product, sign);
        }
    case Identity::AltitudeArea: // S = a_i·h_i/2
        return find(T(2) * replaced / partner);
    default:
        return;
    }
}

template<typename T>
void Runner<T>::Branches(State<T> state, std::size_t n, std::size_t vertex, const T &num,
                         const T &den, int sign)
{
    const Step &step = route_.steps[n];
    if (sign < 0)
        return Refuse(Reason::SineAboveOne, {step.found, step.from[1], step.from[0]});
    const T sine = num / den;
    state.sin[vertex] = sine;
    state.recorded.push_back({RouteValue::FoundSine, static_cast<int>(n), sine});
    if (sign == 0) {
        state.cos[vertex] = T(0);
        return Steps(std::move(state), n + 1);
    }
    const T cosine = Sqrt((den - num) * (den + num)) / den;
    State<T> obtuse = state;
    state.cos[vertex] = cosine;
    obtuse.cos[vertex] = -cosine;
    Steps(std::move(state), n + 1);
    Steps(std::move(obtuse), n + 1);
}

template<typename T> void Runner<T>::Closed(State<T> &s)
{
    const std::array<Element, 3> &slot = route_.slots;
    const T half = T(1) / T(2);
    switch (route_.kind) {
    case RouteKind::ThreeSides: {
        const std::array<T, 3> a = {s[slot[0]], s[slot[1]], s[slot[2]]};
        for (std::size_t i = 0; i < 3; ++i)
            if (decide_.Sign(a[(i + 1) % 3] + a[(i + 2) % 3] - a[i]) <= 0)
                return Refuse(Reason::SideTooLong, {slot[i]});
        return Accept(s, a);
    }
    case RouteKind::ThreeAltitudes: {
        // The sides are proportional to the reciprocals: a_i = k/h_i, k = 1/(2·S₁), S₁ the
        // area of the triangle of the reciprocals.
        const std::array<T, 3> x = {T(1) / s[slot[0]], T(1) / s[slot[1]], T(1) / s[slot[2]]};
        for (std::size_t i = 0; i < 3; ++i)
            if (decide_.Sign(x[(i + 1) % 3] + x[(i + 2) % 3] - x[i]) <= 0)
                return Refuse(Reason::Reciprocals, {slot[i]});
        const T area = half * half *
                       Sqrt((x[0] + x[1] + x[2]) * (x[1] + x[2] - x[0]) * (x[0] + x[2] - x[1]) *
                            (x[0] + x[1] - x[2]));
        const T scale = T(1) / (T(2) * area);
        return Accept(s, {scale * x[0], scale * x[1], scale * x[2]});
    }
    case RouteKind::ThreeMedians: {
        const std::array<T, 3> m = {s[slot[0]], s[slot[1]], s[slot[2]]};
        for (std::size_t i = 0; i < 3; ++i)
            if (decide_.Sign(m[(i + 1) % 3] + m[(i + 2) % 3] - m[i]) <= 0)
                return Refuse(Reason::Medians, {slot[i]});
        std::array<T, 3> a;
        for (std::size_t i = 0; i < 3; ++i) {
            const T &p = m[(i + 1) % 3], &q = m[(i + 2) % 3];
            a[i] = (T(2) / T(3)) * Sqrt(T(2) * p * p + T(2) * q * q - m[i] * m[i]);
        }
        return Accept(s, a);
    }
    case RouteKind::SideAngleSide: {
        // a² = (b − c)² + 2bc·(1 − cos α)
        const std::size_t i = Vertex(slot[2]);
        const T &b = s[slot[0]], &c = s[slot[1]];
        const T square = (b - c) * (b - c) + T(2) * b * c * OneMinusCos(s.sin[i], s.cos[i]);
        s.recorded.push_back({RouteValue::SideSquare, static_cast<int>(i), square});
        std::array<T, 3> a;
        a[i] = Sqrt(square);
        a[Vertex(slot[0])] = b;
        a[Vertex(slot[1])] = c;
        return Accept(s, a);
    }
    case RouteKind::SideSideAngle:
        return SideSideAngle(s);
    case RouteKind::TwoAngles:
        return TwoAngles(s);
    case RouteKind::SideAltitudeAngle:
    case RouteKind::SideAnglePerimeter:
    case RouteKind::SideAngleInradius:
    case RouteKind::SideAngleMedian:
        return SideAngleAndOther(s);
    case RouteKind::TwoSidesMedian:
    case RouteKind::SidesMedianToOne: {
        // 4m_c² = 2a² + 2b² − c², 4m_a² = 2b² + 2c² − a²: the third side's square, and the
        // triangle's inequality on it, (a − b)² < c² < (a + b)².
        const T &a = s[slot[0]], &b = s[slot[1]], &m = s[slot[2]];
        const T square = route_.kind == RouteKind::TwoSidesMedian
                             ? T(2) * a * a + T(2) * b * b - T(4) * m * m
                             : half * (T(4) * m * m + a * a - T(2) * b * b);
        const std::size_t i = Vertex(slot[0]), j = Vertex(slot[1]), k = 3 - i - j;
        s.recorded.push_back({RouteValue::SideSquare, static_cast<int>(k), square});
        if (decide_.Sign((a + b) * (a + b) - square) <= 0 ||
            decide_.Sign(square - (a - b) * (a - b)) <= 0)
            return Refuse(Reason::MedianBound, {slot[2], slot[0], slot[1]});
        std::array<T, 3> sides;
        sides[i] = a;
        sides[j] = b;
        sides[k] = Sqrt(square);
        return Accept(s, sides);
    }
    case RouteKind::AltitudeBisectorAngle:
        return AltitudeBisectorAngle(s);
    case RouteKind::SideAltitudeMedian: {
        // B, C = ∓a/2 on the x axis, A = (x, h), x² + h² = m².
        const T &a = s[slot[0]], &h = s[slot[1]], &m = s[slot[2]];
        const int sign = Compare(s, slot[2], slot[1], m - h);
        if (sign < 0)
            return Refuse(Reason::AltitudeTooLong, {slot[1], slot[2]});
        const std::size_t i = Vertex(slot[0]), j = (i + 1) % 3, k = (i + 2) % 3;
        const T x = sign == 0 ? T(0) : Sqrt((m - h) * (m + h));
        s.recorded.push_back({RouteValue::FootDistance, static_cast<int>(i), x});
        const T near = x - half * a, far = x + half * a;
        std::array<T, 3> sides;
        sides[i] = a;
        sides[j] = Sqrt(near * near + h * h);
        sides[k] = Sqrt(far * far + h * h);
        Accept(s, sides);
        if (sign > 0) {
            std::swap(sides[j], sides[k]);
            Accept(s, sides);
        }
        return;
    }
    case RouteKind::AltitudeBisectorMedian: {
        const T &h = s[slot[0]], &l = s[slot[1]], &m = s[slot[2]];
        const int low = Compare(s, slot[1], slot[0], l - h);
        const int high = Compare(s, slot[2], slot[1], m - l);
        if (low > 0 && high > 0) {
            outcome_.search = true;
        } else if (low == 0 && high == 0) {
            outcome_.family = Identity::IsoscelesFeet;
        } else if (low == 0 || high == 0) {
            Refuse(Reason::Contradiction, {slot[0], slot[1], slot[2]}, Identity::IsoscelesFeet);
        } else {
            Refuse(Reason::FeetOrder, {slot[1], slot[0], slot[2]});
        }
        return;
    }
    case RouteKind::Identity:
        return IdentityCheck(s);
    case RouteKind::Search:
        outcome_.search = true;
        return;
    case RouteKind::None:
        return;
    }
}

template<typename T> void Runner<T>::TwoAngles(State<T> &s)
{
    const Element first = route_.slots[0], second = route_.slots[1], other = route_.slots[2];
    const std::size_t i = Vertex(first), j = Vertex(second), k = 3 - i - j;
    // α + β < 180°: on the typed degrees where both are typed, else sin(α + β) > 0.
    const T sum = s.sin[i] * s.cos[j] + s.cos[i] * s.sin[j];
    const exact::Decimal *x = s.Typed(first);
    const exact::Decimal *y = s.Typed(second);
    const int sign = x != nullptr && y != nullptr
                         ? decide_.Known(exact::SignOfExcess(StraightAngle(), *x, *y))
                         : decide_.Sign(sum);
    if (sign <= 0)
        return Refuse(Reason::AngleSum, {first, second});
    s.sin[k] = sum;
    s.cos[k] = s.sin[i] * s.sin[j] - s.cos[i] * s.cos[j];
    s.recorded.push_back({RouteValue::ThirdAngleSine, static_cast<int>(k), sum});
    // The triangle of sides sin α, sin β, sin γ (a circumcircle of diameter 1), scaled.
    const std::array<T, 3> unit = s.sin;
    const T value = ValueOf(other, unit, s.sin, s.cos);
    const T scale =
        Info(other).kind == ElementKind::Area ? Sqrt(s[other] / value) : s[other] / value;
    s.recorded.push_back({RouteValue::Scale, 0, scale});
    return Accept(s, {scale * unit[0], scale * unit[1], scale * unit[2]});
}

template<typename T> void Runner<T>::SideSideAngle(State<T> &s)
{
    // a, b and α: c = b·cos α ± √(a² − b²·sin² α), the ambiguous case.
    const Element sideA = route_.slots[0], sideB = route_.slots[1];
    const std::size_t i = Vertex(sideA), j = Vertex(sideB), k = 3 - i - j;
    const T &a = s[sideA], &b = s[sideB];
    const T height = b * s.sin[i]; // from the vertex between b and c to the line of c
    const T discriminant = (a - height) * (a + height);
    s.recorded.push_back({RouteValue::Discriminant, 0, discriminant});
    const int root = decide_.Sign(discriminant);
    if (root < 0)
        return Refuse(Reason::SineAboveOne, {AngleAt(j), sideA, sideB});
    const int right = AgainstRight(s, i); // of α
    const int longer = Compare(s, sideA, sideB, a - b);
    std::array<T, 3> sides;
    sides[i] = a;
    sides[j] = b;
    const T near = b * s.cos[i];
    if (root == 0) { // sin β = 1
        if (right >= 0)
            return Refuse(Reason::AngleSum, {route_.slots[2], AngleAt(j)});
        sides[k] = near;
        return Accept(s, sides);
    }
    // With α not acute, or a ≥ b, only the larger root is a side; with α acute and a < b,
    // both are.
    if (right >= 0 && longer <= 0)
        return Refuse(Reason::AngleSum, {route_.slots[2], AngleAt(j)});
    const T spread = Sqrt(discriminant);
    sides[k] = near + spread;
    Accept(s, sides);
    if (right < 0 && longer < 0) {
        sides[k] = near - spread;
        Accept(s, sides);
    }
}

template<typename T>
void Runner<T>::FromSumAndDifference(State<T> &s, const T &sumSquare, const T &difference)
{
    // (b + c)² and (b − c)² give b and c, and the mirror image c and b where they differ.
    const Element side = route_.slots[0];
    const std::size_t i = Vertex(side), j = (i + 1) % 3, k = (i + 2) % 3;
    s.recorded.push_back({RouteValue::Discriminant, 0, difference});
    const int sign = decide_.Sign(difference);
    if (sign < 0)
        return Refuse(route_.kind == RouteKind::SideAltitudeAngle ? Reason::AltitudeTooLong
                                                                  : Reason::Bound,
                      {route_.slots[2], side, route_.slots[1]});
    const T half = T(1) / T(2);
    std::array<T, 3> sides;
    sides[i] = s[side];
    if (sign == 0) {
        sides[j] = sides[k] = half * Sqrt(sumSquare);
        return Accept(s, sides);
    }
    const T total = Sqrt(sumSquare), spread = Sqrt(difference);
    sides[j] = half * (total + spread);
    sides[k] = half * (total - spread);
    Accept(s, sides);
    std::swap(sides[j], sides[k]);
    Accept(s, sides);
}

template<typename T> void Runner<T>::SideAngleAndOther(State<T> &s)
{
    // a and α, with b·c and b + c or b² + c² from the third: a² = (b + c)² − 2bc(1 + cos α)
    // = b² + c² − 2bc·cos α.
    const Element side = route_.slots[0], other = route_.slots[2];
    const std::size_t i = Vertex(side);
    const T &a = s[side];
    const T &sin = s.sin[i], &cos = s.cos[i];
    const T half = T(1) / T(2);
    switch (route_.kind) {
    case RouteKind::SideAltitudeAngle: { // b·c = a·h_a/sin α
        const T product = a * s[other] / sin;
        s.recorded.push_back({RouteValue::ProductOfSides, static_cast<int>(i), product});
        return FromSumAndDifference(s, a * a + T(2) * product * (T(1) + cos),
                                    a * a - T(2) * product * OneMinusCos(sin, cos));
    }
    case RouteKind::SideAnglePerimeter:
    case RouteKind::SideAngleInradius: {
        // b + c = P − a; or, by r = (p − a)·tan(α/2), b + c = a + 2r·(1 + cos α)/sin α.
        const T sum = route_.kind == RouteKind::SideAnglePerimeter
                          ? s[other] - a
                          : a + T(2) * s[other] * (T(1) + cos) / sin;
        if (route_.kind == RouteKind::SideAnglePerimeter && decide_.Sign(sum - a) <= 0)
            return Refuse(Reason::Bound, {other, side, route_.slots[1]});
        const T product = half * (sum - a) * (sum + a) / (T(1) + cos);
        s.recorded.push_back({RouteValue::ProductOfSides, static_cast<int>(i), product});
        return FromSumAndDifference(s, sum * sum, sum * sum - T(4) * product);
    }
    case RouteKind::SideAngleMedian: {
        // b² + c² = 2m_a² + a²/2; α = 90°: m_a = a/2 whatever b and c are (Thales).
        const T &m = s[other];
        const T squares = T(2) * m * m + half * a * a;
        if (AgainstRight(s, i) == 0) {
            if (decide_.Sign(T(2) * m - a) == 0)
                outcome_.family = Identity::Thales;
            else
                Refuse(Reason::Contradiction, {other, side, route_.slots[1]}, Identity::Thales);
            return;
        }
        const T product = half * (squares - a * a) / cos;
        s.recorded.push_back({RouteValue::ProductOfSides, static_cast<int>(i), product});
        if (decide_.Sign(product) <= 0)
            return Refuse(Reason::Bound, {other, side, route_.slots[1]});
        return FromSumAndDifference(s, squares + T(2) * product, squares - T(2) * product);
    }
    default:
        return;
    }
}

template<typename T> void Runner<T>::AltitudeBisectorAngle(State<T> &s)
{
    // h_a, l_a, α: the angle δ between them is |β − γ|/2, cos δ = h_a/l_a; β, γ = 90° − α/2 ± δ.
    const Element altitude = route_.slots[0], bisector = route_.slots[1], angle = route_.slots[2];
    const std::size_t i = Vertex(angle), j = (i + 1) % 3, k = (i + 2) % 3;
    const T &h = s[altitude], &l = s[bisector];
    const int sign = Compare(s, bisector, altitude, l - h);
    if (sign < 0)
        return Refuse(Reason::AltitudeTooLong, {altitude, bisector});
    const T half = T(1) / T(2);
    const T halfSin = Sqrt(half * OneMinusCos(s.sin[i], s.cos[i])); // sin(α/2) = cos θ
    const T halfCos = Sqrt(half * (T(1) + s.cos[i]));               // cos(α/2) = sin θ
    const T cosDelta = h / l;
    const T sinDelta = sign == 0 ? T(0) : Sqrt((l - h) * (l + h)) / l;
    s.recorded.push_back({RouteValue::HalfDifference, static_cast<int>(i), cosDelta});
    // |β − γ| = 2δ < 180° − α: cos δ > sin(α/2).
    if (sign > 0 && decide_.Sign(h - l * halfSin) <= 0)
        return Refuse(Reason::BisectorTooLong, {bisector, altitude, angle});
    const auto accept = [&](const T &sinDifference) {
        s.sin[j] = halfCos * cosDelta + halfSin * sinDifference;
        s.cos[j] = halfSin * cosDelta - halfCos * sinDifference;
        s.sin[k] = halfCos * cosDelta - halfSin * sinDifference;
        s.cos[k] = halfSin * cosDelta + halfCos * sinDifference;
        // h_a = c·sin β = b·sin γ
        std::array<T, 3> sides;
        sides[k] = h / s.sin[j];
        sides[j] = h / s.sin[k];
        sides[i] = sides[j] * s.sin[i] / s.sin[j];
        Accept(s, sides);
    };
    accept(sinDelta);
    if (sign > 0)
        accept(-sinDelta);
}

template<typename T> void Runner<T>::IdentityCheck(State<T> &s)
{
    const std::array<Element, 3> &e = route_.slots;
    const auto find = [&e](ElementKind kind) {
        return *std::find_if(e.begin(), e.end(),
                             [kind](Element x) { return Info(x).kind == kind; });
    };
    const Identity identity = route_.identity;
    int sign = 1;
    switch (identity) {
    case Identity::AngleSum: // the typed angles exactly
        sign = decide_.Known(SignOfSum({s.Typed(e[0]), s.Typed(e[1]), s.Typed(e[2])}, 180));
        break;
    case Identity::SineLaw: {
        const Element a = find(ElementKind::Side);
        const std::size_t i = Vertex(a);
        sign = decide_.Sign(s[a] - T(2) * s[Element::Circumradius] * s.sin[i]);
        break;
    }
    case Identity::AltitudeArea:
        sign = decide_.Sign(T(2) * s[Element::Area] -
                            s[find(ElementKind::Side)] * s[find(ElementKind::Altitude)]);
        break;
    case Identity::InradiusArea: {
        sign = decide_.Sign(T(2) * s[Element::Area] - s[Element::Inradius] * s[Element::Perimeter]);
        if (sign != 0)
            break;
        // r ≤ P/(6√3), equal for the equilateral triangle alone.
        const int room = decide_.Sign(s[Element::Perimeter] - Sqrt(T(108)) * s[Element::Inradius]);
        if (room < 0)
            return Refuse(Reason::InradiusTooLong, {Element::Inradius, Element::Perimeter});
        if (room == 0) {
            const T side = s[Element::Perimeter] / T(3);
            return Accept(s, {side, side, side});
        }
        break;
    }
    case Identity::AltitudeSine: {
        const Element h = find(ElementKind::Altitude), a = find(ElementKind::Side),
                      angle = find(ElementKind::Angle);
        sign = decide_.Sign(s[h] - s[a] * s.sin[Vertex(angle)]);
        break;
    }
    default:
        break;
    }
    if (sign == 0)
        outcome_.family = identity;
    else
        Refuse(Reason::Contradiction, {e[0], e[1], e[2]}, identity);
}

} // namespace calc::chapter::routes
