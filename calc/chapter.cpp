#include "chapter.h"

#include "chapter_plan.h"
#include "chapter_routes.h"
#include "chapter_values.h"
#include "exact_rounding.h"
#include "search.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace calc::chapter
{

using exact::Rational;

namespace routes
{

double Approximate(const exact::Radical &x)
{
    const exact::Interval interval = x.Enclose(64);
    return interval.Known()
               ? Rational((interval.Lower() + interval.Upper()) / 2).convert_to<double>()
               : 0;
}

const exact::Decimal &RightAngle()
{
    static const exact::Decimal angle = exact::MakeDecimal(1, 9, 1);
    return angle;
}

const exact::Decimal &StraightAngle()
{
    static const exact::Decimal angle = exact::MakeDecimal(1, 18, 1);
    return angle;
}

int SignOfSum(std::initializer_list<const exact::Decimal *> terms, int total)
{
    Rational sum = -total;
    for (const exact::Decimal *term : terms)
        sum += exact::ToRational(*term);
    return sum > 0 ? 1 : sum < 0 ? -1 : 0;
}

} // namespace routes

namespace
{

using exact::Decimal;
using exact::Precise;
using exact::Radical;
using routes::Candidate;
using routes::Decider;
using routes::Outcome;
using routes::Runner;
using routes::State;

// The precisions the intervals rise through before the solve says it cannot decide.
constexpr unsigned kFirstBits = 256;
constexpr unsigned kMostBits = 16384;

// Beyond these decimal exponents a typed value has no triangle whose values fit a double.
constexpr std::int64_t kSmallestMagnitude = -330;

bool IsAngle(Element element)
{
    return Info(element).kind == ElementKind::Angle;
}

std::size_t Index(Element element)
{
    return static_cast<std::size_t>(element);
}

Ball BallOf(const Decimal &decimal, double nearest)
{
    if (decimal.digits <= 18 && decimal.exponent >= -400 && decimal.exponent <= 400)
        return Ball(decimal.sign) * DecimalBall(decimal.significand.convert_to<std::int64_t>(),
                                                static_cast<int>(decimal.exponent));
    // Longer: the double and its remainder, each the nearest to what is left.
    const Rational value = exact::ToRational(decimal);
    const Rational rest = value - Rational(exact::ToRational(exact::ExactValue(nearest)));
    const int sign = rest > 0 ? 1 : rest < 0 ? -1 : 0;
    const double low = sign == 0 ? 0 : sign * exact::RoundToDouble(abs(rest), false).value;
    return Ball::Of({nearest, low}, std::fabs(low) * 0x1p-52 + 0x1p-1060);
}

// Whether the exact arithmetic holds the givens: every angle a whole multiple of 15° (the
// angles are below 180°, checked before).
bool Exactable(const std::array<Given, 3> &givens)
{
    for (const Given &given : givens) {
        if (!IsAngle(given.element))
            continue;
        const Decimal &degrees = given.decimal;
        if (degrees.exponent < 0 || degrees.Magnitude() > 2)
            return false;
        const auto whole = static_cast<long>(std::lround(given.value));
        if (whole % 15 != 0)
            return false;
    }
    return true;
}

template<typename T> State<T> Typed(const std::array<Given, 3> &givens)
{
    State<T> state;
    for (const Given &given : givens)
        state.typed[Index(given.element)] = &given.decimal;
    return state;
}

State<Ball> BallState(const std::array<Given, 3> &givens)
{
    State<Ball> state = Typed<Ball>(givens);
    for (const Given &given : givens) {
        const Ball value = BallOf(given.decimal, given.value);
        if (IsAngle(given.element)) {
            const SinCos trig = SinCosDegrees(value);
            const auto v = static_cast<std::size_t>(Info(given.element).vertex);
            state.sin[v] = trig.sin;
            state.cos[v] = trig.cos;
        }
        state[given.element] = value;
    }
    return state;
}

State<Radical> ExactState(const std::array<Given, 3> &givens)
{
    State<Radical> state = Typed<Radical>(givens);
    for (const Given &given : givens) {
        const Rational value = exact::ToRational(given.decimal);
        if (IsAngle(given.element)) {
            const exact::ExactSinCos trig = *exact::SpecialSinCos(value);
            const auto v = static_cast<std::size_t>(Info(given.element).vertex);
            state.sin[v] = trig.sin;
            state.cos[v] = trig.cos;
        }
        state[given.element] = Radical(exact::RootSum(value));
    }
    return state;
}

State<Precise> PreciseState(const std::array<Given, 3> &givens, unsigned bits)
{
    State<Precise> state = Typed<Precise>(givens);
    for (const Given &given : givens) {
        const Rational value = exact::ToRational(given.decimal);
        if (IsAngle(given.element)) {
            const exact::IntervalSinCos trig = exact::SinCosDegrees(value, bits);
            const auto v = static_cast<std::size_t>(Info(given.element).vertex);
            state.sin[v] = Precise(trig.sin);
            state.cos[v] = Precise(trig.cos);
        }
        state[given.element] = Precise(value);
    }
    return state;
}

// Why a given has no triangle whatever the others are, if it has none.
std::optional<Refusal> GivenRefusal(const Given &given)
{
    const Refusal refusal{.reason =
                              IsAngle(given.element) ? Reason::AngleRange : Reason::NotPositive,
                          .about = {given.element},
                          .count = 1};
    if (given.decimal.sign <= 0)
        return refusal;
    if (IsAngle(given.element)) {
        if (exact::Compare(given.decimal, routes::StraightAngle()) >= 0)
            return refusal;
        if (given.decimal.Magnitude() < kSmallestMagnitude)
            return Refusal{.reason = Reason::OutOfRange, .about = {given.element}, .count = 1};
    } else if (!(given.value >= DBL_MIN && given.value <= DBL_MAX)) {
        return Refusal{.reason = Reason::OutOfRange, .about = {given.element}, .count = 1};
    }
    return std::nullopt;
}

// The route's signs, decided: by the balls where they tell (with the outcome then), else
// exactly or by intervals of rising precision; none where nothing tells.
struct Decided {
    std::vector<int> signs;
    std::optional<Outcome<Ball>> outcome;
};

// The precision the intervals rise to: with the givens' digits and the spread of their
// magnitudes, as a comparison of their values that is not zero is further from zero the
// shorter they are; at least 1024 bits (300 digits) and at most kMostBits. Short givens that
// leave a comparison undecided there leave it exactly zero, which intervals never tell.
unsigned MostBits(const std::array<Given, 3> &givens)
{
    std::int64_t digits = 0, lowest = INT64_MAX, highest = INT64_MIN;
    for (const Given &given : givens) {
        digits += given.decimal.digits;
        lowest = std::min(lowest, given.decimal.exponent);
        highest = std::max(highest, given.decimal.Magnitude());
    }
    const std::int64_t wanted = 64 * (digits + highest - lowest);
    unsigned bits = 1024;
    while (bits < kMostBits && bits < wanted)
        bits *= 2;
    return bits;
}

std::optional<Decided> Decide(const Route &route, const std::array<Given, 3> &givens,
                              const State<Ball> &balls, bool exactable)
{
    Decider fast;
    Outcome<Ball> outcome = Runner<Ball>(route, fast).Run(balls);
    if (!fast.Undecided())
        return Decided{fast.Signs(), std::move(outcome)};
    if (exactable) {
        Decider exactly;
        Runner<Radical>(route, exactly).Run(ExactState(givens));
        if (!exactly.Undecided())
            return Decided{exactly.Signs(), std::nullopt};
    }
    for (unsigned bits = kFirstBits; bits <= MostBits(givens); bits *= 2) {
        const exact::PrecisionScope scope(bits);
        Decider precisely;
        Runner<Precise>(route, precisely).Run(PreciseState(givens, bits));
        if (!precisely.Undecided())
            return Decided{precisely.Signs(), std::nullopt};
    }
    return std::nullopt;
}

bool InRange(const Ball &value)
{
    return value.Known() && value.Value() >= DBL_MIN && value.Value() <= DBL_MAX;
}

// The angles exactly in degrees where they are typed, and the third of two typed ones.
std::array<std::optional<Rational>, 3> TypedDegrees(const std::array<Given, 3> &givens)
{
    std::array<std::optional<Rational>, 3> degrees;
    int count = 0;
    for (const Given &given : givens)
        if (IsAngle(given.element)) {
            degrees[static_cast<std::size_t>(Info(given.element).vertex)] =
                exact::ToRational(given.decimal);
            ++count;
        }
    if (count == 2)
        for (std::size_t v = 0; v < 3; ++v)
            if (!degrees[v])
                degrees[v] = 180 - *degrees[(v + 1) % 3] - *degrees[(v + 2) % 3];
    return degrees;
}

// The triangle's types, decided on the typed values, the route's own cosines, the balls, and
// where none of them tells, the exact sides.
class Typing
{
public:
    Typing(const std::array<Given, 3> &givens, const std::array<Ball, kElementCount> &values,
           const std::array<Ball, 3> &cosines,
           const std::function<const std::array<Radical, 3> *()> &exactSides)
        : givens_(givens), values_(values), cosines_(cosines), exactSides_(exactSides)
    {
    }

    // Whether a type was taken from balls within 10^-30 of it, with nothing exact to tell.
    bool Unsure() const { return unsure_; }

    // The sign of the angle at `v` less 90°.
    int AgainstRight(std::size_t v) const
    {
        if (const Decimal *typed = Typed(ElementOf(ElementKind::Angle, static_cast<int>(v))))
            return exact::Compare(*typed, routes::RightAngle());
        if (const std::optional<int> sign = cosines_[v].Sign())
            return -*sign;
        const Ball &x = values_[v], &y = values_[(v + 1) % 3], &z = values_[(v + 2) % 3];
        if (const std::optional<int> sign = (x * x - y * y - z * z).Sign())
            return *sign;
        if (const std::optional<Rational> &degrees = Degrees()[v])
            return *degrees > 90 ? 1 : *degrees < 90 ? -1 : 0;
        if (const std::array<Radical, 3> *a = exactSides_())
            return (a->at(v).Squared() - a->at((v + 1) % 3).Squared() -
                    a->at((v + 2) % 3).Squared())
                .Sign();
        unsure_ = true;
        return 0; // within 10^-30 of right, and nothing exact tells
    }

    // Whether the sides opposite `v` and `w` are equal.
    bool EqualSides(std::size_t v, std::size_t w) const
    {
        const Decimal *x = Typed(ElementOf(ElementKind::Side, static_cast<int>(v)));
        const Decimal *y = Typed(ElementOf(ElementKind::Side, static_cast<int>(w)));
        if (x != nullptr && y != nullptr)
            return exact::Compare(*x, *y) == 0;
        if (const std::optional<int> sign = (values_[v] - values_[w]).Sign())
            return *sign == 0;
        if (Degrees()[v] && Degrees()[w])
            return *Degrees()[v] == *Degrees()[w];
        if (const std::array<Radical, 3> *a = exactSides_())
            return (a->at(v).Squared() - a->at(w).Squared()).IsZero();
        unsure_ = true;
        return true; // within 10^-30 of each other, and nothing exact tells
    }

private:
    const Decimal *Typed(Element element) const
    {
        for (const Given &given : givens_)
            if (given.element == element)
                return &given.decimal;
        return nullptr;
    }

    const std::array<std::optional<Rational>, 3> &Degrees() const
    {
        if (!degrees_)
            degrees_ = TypedDegrees(givens_);
        return *degrees_;
    }

    const std::array<Given, 3> &givens_;
    mutable std::optional<std::array<std::optional<Rational>, 3>> degrees_;
    const std::array<Ball, kElementCount> &values_;
    const std::array<Ball, 3> &cosines_;
    const std::function<const std::array<Radical, 3> *()> &exactSides_;
    mutable bool unsure_ = false;
};

void Classify(SolvedTriangle &triangle, const Typing &typing)
{
    for (std::size_t v = 0; v < 3; ++v) {
        const int sign = typing.AgainstRight(v);
        if (sign >= 0) {
            triangle.angles = sign == 0 ? AngleType::Right : AngleType::Obtuse;
            triangle.angleVertex = static_cast<int>(v);
        }
    }
    const bool ab = typing.EqualSides(0, 1), bc = typing.EqualSides(1, 2),
               ca = typing.EqualSides(2, 0);
    if (ab && bc)
        triangle.sides = SideType::Equilateral;
    else if (ab || bc || ca) {
        triangle.sides = SideType::Isosceles;
        triangle.apex = ab ? 2 : bc ? 0 : 1;
    }
}

// The givens as the search takes them: each between the doubles on either side of it.
std::array<search::Given, 3> SearchGivens(const std::array<Given, 3> &givens)
{
    std::array<search::Given, 3> bounds{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = givens[i].value;
        const int sign = exact::Compare(givens[i].decimal, exact::ExactValue(v));
        bounds[i] = {givens[i].element, sign < 0 ? std::nextafter(v, -HUGE_VAL) : v,
                     sign > 0 ? std::nextafter(v, HUGE_VAL) : v};
    }
    return bounds;
}

bool Mirrored(const std::array<Ball, 3> &x, const std::array<Ball, 3> &y)
{
    const auto close = [](const Ball &p, const Ball &q) {
        return std::fabs(p.Value() - q.Value()) <= 1e-13 * std::fabs(p.Value());
    };
    for (std::size_t v = 0; v < 3; ++v) {
        const std::size_t w = (v + 1) % 3, u = (v + 2) % 3;
        if (close(x[v], y[v]) && close(x[w], y[u]) && close(x[u], y[w]) && !close(x[w], y[w]))
            return true;
    }
    return false;
}

class Solver
{
public:
    Solver(const std::array<Given, 3> &givens, const Options &options)
        : givens_(givens), options_(options)
    {
        solution_.givens = givens;
    }

    Solution Run();

private:
    void Refuse(const Refusal &refusal)
    {
        solution_.count = Count::None;
        solution_.refusal = refusal;
        solution_.triangles.clear();
    }
    void Search();
    // Adds a triangle of the sides: false when a value is out of range.
    bool Add(const Candidate<Ball> &candidate, std::size_t index);
    // The exact sides of the triangle `index`, the route run once more exactly with its
    // signs; none where the givens are not exact.
    const std::array<Radical, 3> *ExactSides(std::size_t index);

    const std::array<Given, 3> &givens_;
    const Options &options_;
    Solution solution_;
    std::vector<int> signs_;
    std::vector<std::array<Ball, 3>> ballSides_;
    bool exactable_ = false;
    bool searched_ = false;
    std::optional<std::vector<Candidate<Radical>>> exact_;
};

const std::array<Radical, 3> *Solver::ExactSides(std::size_t index)
{
    if (!exactable_ || searched_)
        return nullptr;
    if (!exact_) {
        Decider replay(signs_);
        exact_ = Runner<Radical>(solution_.route, replay).Run(ExactState(givens_)).triangles;
    }
    return index < exact_->size() ? &(*exact_)[index].sides : nullptr;
}

bool Solver::Add(const Candidate<Ball> &candidate, std::size_t index)
{
    const std::array<Ball, 3> &sides = candidate.sides;
    std::array<Ball, kElementCount> values = ElementBalls(sides);
    // The givens as typed; the third of two typed angles by their sum.
    for (const Given &given : givens_)
        values[Index(given.element)] = BallOf(given.decimal, given.value);
    std::array<const Given *, 3> angles{};
    int typedAngles = 0;
    for (const Given &given : givens_)
        if (IsAngle(given.element))
            angles[static_cast<std::size_t>(typedAngles++)] = &given;
    if (typedAngles == 2) {
        const int third = 3 - Info(angles[0]->element).vertex - Info(angles[1]->element).vertex;
        values[Index(ElementOf(ElementKind::Angle, third))] =
            Ball(180) - values[Index(angles[0]->element)] - values[Index(angles[1]->element)];
    }
    // A triangle the search found may be flatter than its sides' balls are narrow: an angle
    // the balls leave unknown is the rest of 180° where the other two are known; otherwise a
    // value they leave unknown is written from the sides' doubles, with no digit said to be
    // certain.
    for (int v = 0; v < 3 && searched_; ++v) {
        Ball &angle = values[Index(ElementOf(ElementKind::Angle, v))];
        const Ball &next = values[Index(ElementOf(ElementKind::Angle, (v + 1) % 3))];
        const Ball &last = values[Index(ElementOf(ElementKind::Angle, (v + 2) % 3))];
        if (!InRange(angle) && InRange(next) && InRange(last))
            angle = Ball(180) - next - last;
    }
    std::array<Ball, kElementCount> atSides{};
    if (searched_)
        atSides =
            ElementBalls({Ball(sides[0].Value()), Ball(sides[1].Value()), Ball(sides[2].Value())});
    SolvedTriangle triangle;
    for (std::size_t e = 0; e < kElementCount; ++e) {
        if (!InRange(values[e])) {
            if (!searched_ || !InRange(atSides[e]))
                return false;
            triangle.values[e] = Number{atSides[e].Value(), {}};
            continue;
        }
        triangle.values[e] = NumberOf(values[e]);
        // A digit the ball leaves open, of a value with an exact form: from that.
        if (triangle.values[e].digits.count == 0 && !IsAngle(static_cast<Element>(e)))
            if (const std::array<Radical, 3> *exact = ExactSides(index)) {
                const Radical value = ExactElement(static_cast<Element>(e), *exact);
                triangle.values[e] = NumberOf(values[e], &value);
            }
    }
    const std::function<const std::array<Radical, 3> *()> exactSides = [this, index] {
        return ExactSides(index);
    };
    Classify(triangle, Typing(givens_, values, candidate.cos, exactSides));
    for (const routes::Recorded<Ball> &value : candidate.recorded)
        triangle.route.push_back({value.value, value.index, NumberOf(value.number)});
    for (std::size_t earlier = 0; earlier < ballSides_.size(); ++earlier)
        if (Mirrored(ballSides_[earlier], sides)) {
            triangle.mirrorOf = static_cast<int>(earlier);
            break;
        }
    ballSides_.push_back(sides);
    solution_.triangles.push_back(std::move(triangle));
    return true;
}

void Solver::Search()
{
    searched_ = true;
    solution_.decision = Decision::Search;
    const search::Result result = search::Find(SearchGivens(givens_));
    solution_.proven = result.status == search::Status::Proven;
    solution_.boxes = result.boxes;
    solution_.depth = result.depth;
    if (result.triangles.empty())
        return Refuse({solution_.proven ? Reason::NoneFound : Reason::Unproven, {}, 0});
    // The sides are within 1e-12 of the triangles': the balls say so, and print the doubles'
    // digits.
    solution_.count = Count::Finite;
    for (std::size_t i = 0; i < result.triangles.size(); ++i) {
        Candidate<Ball> candidate;
        for (std::size_t v = 0; v < 3; ++v) {
            const double side = result.triangles[i].sides[v];
            candidate.sides[v] = Ball::Of({side, 0}, std::fabs(side) * 1e-12);
        }
        if (!Add(candidate, i))
            return Refuse({Reason::OutOfRange, {}, 0});
    }
}

Solution Solver::Run()
{
    for (const Given &given : givens_)
        if (const std::optional<Refusal> refusal = GivenRefusal(given)) {
            Refuse(*refusal);
            return std::move(solution_);
        }
    const std::array<Element, 3> elements = {givens_[0].element, givens_[1].element,
                                             givens_[2].element};
    solution_.route = RouteOf(elements);
    exactable_ = Exactable(givens_);
    solution_.decision = exactable_ ? Decision::Exact : Decision::Numeric;
    const State<Ball> balls = BallState(givens_);
    std::optional<Decided> decided = Decide(solution_.route, givens_, balls, exactable_);
    if (!decided) {
        Refuse({Reason::Undecided, elements, 3});
        return std::move(solution_);
    }
    signs_ = std::move(decided->signs);
    if (!decided->outcome) {
        Decider replay(signs_);
        decided->outcome = Runner<Ball>(solution_.route, replay).Run(balls);
    }
    const Outcome<Ball> &outcome = *decided->outcome;
    if (outcome.search) {
        Search();
        return std::move(solution_);
    }
    if (outcome.family != Identity::None) {
        solution_.count = Count::Infinite;
        solution_.family = outcome.family;
        return std::move(solution_);
    }
    if (outcome.triangles.empty()) {
        Refuse(outcome.refusal);
        return std::move(solution_);
    }
    solution_.count = Count::Finite;
    for (std::size_t i = 0; i < outcome.triangles.size(); ++i)
        if (!Add(outcome.triangles[i], i)) {
            Refuse({Reason::OutOfRange, {}, 0});
            return std::move(solution_);
        }
    if (options_.exactValues && exactable_) {
        auto exact = std::make_shared<ExactValues>();
        for (std::size_t i = 0; i < solution_.triangles.size(); ++i) {
            ExactTriangle triangle = ExactElements(*ExactSides(i));
            for (const routes::Recorded<Radical> &value : (*exact_)[i].recorded)
                triangle.route.push_back({value.value, value.index, value.number});
            exact->triangles.push_back(std::move(triangle));
        }
        solution_.exact = std::move(exact);
    }
    return std::move(solution_);
}

} // namespace

Solution Solve(const std::array<Given, 3> &givens, const Options &options)
{
    return Solver(givens, options).Run();
}

const Route &RouteOf(const std::array<Element, 3> &elements)
{
    // Each triple's plan made once, when it is first asked for (all 969 at once would take
    // milliseconds of a command line's start).
    static std::mutex guard;
    static std::vector<std::unique_ptr<const Route>> plans(kElementCount * kElementCount *
                                                           kElementCount);
    std::array<std::size_t, 3> sorted = {Index(elements[0]), Index(elements[1]),
                                         Index(elements[2])};
    std::sort(sorted.begin(), sorted.end());
    const std::size_t slot = (sorted[0] * kElementCount + sorted[1]) * kElementCount + sorted[2];
    const std::lock_guard<std::mutex> lock(guard);
    if (!plans[slot])
        plans[slot] = std::make_unique<const Route>(
            Plan({static_cast<Element>(sorted[0]), static_cast<Element>(sorted[1]),
                  static_cast<Element>(sorted[2])}));
    return *plans[slot];
}

} // namespace calc::chapter
