#pragma once

// Forward-mode differentiation for the certified search: a number with its gradient
// with respect to the two coordinates of a shape (search_shape.h). Over intervals, a
// function evaluated on a box gives an enclosure of its values and of its Jacobian on the
// whole box, which Krawczyk's test needs; over doubles, the value and the Jacobian at a
// point. The shape's formulas are templates over the number type, written once.

#include "search_interval.h"

#include <array>

namespace calc::search
{

template<typename X> struct Dual {
    X value{};
    std::array<X, 2> slope{};

    Dual() = default;
    Dual(X v) : value(v), slope{v * 0.0, v * 0.0} {} // NOLINT(google-explicit-constructor)
    Dual(X v, X dFirst, X dSecond) : value(v), slope{dFirst, dSecond} {}
};

// The coordinate `index` (0 or 1) of a point or box, as a variable to differentiate by.
template<typename X> Dual<X> Variable(const X &value, int index)
{
    Dual<X> d(value);
    d.slope[static_cast<std::size_t>(index)] = value * 0.0 + 1.0;
    return d;
}

template<typename X> Dual<X> operator+(const Dual<X> &a, const Dual<X> &b)
{
    return {a.value + b.value, a.slope[0] + b.slope[0], a.slope[1] + b.slope[1]};
}
template<typename X> Dual<X> operator-(const Dual<X> &a, const Dual<X> &b)
{
    return {a.value - b.value, a.slope[0] - b.slope[0], a.slope[1] - b.slope[1]};
}
template<typename X> Dual<X> operator-(const Dual<X> &a)
{
    return {-a.value, -a.slope[0], -a.slope[1]};
}
template<typename X> Dual<X> operator*(const Dual<X> &a, const Dual<X> &b)
{
    return {a.value * b.value, a.slope[0] * b.value + a.value * b.slope[0],
            a.slope[1] * b.value + a.value * b.slope[1]};
}
template<typename X> Dual<X> operator/(const Dual<X> &a, const Dual<X> &b)
{
    const X quotient = a.value / b.value;
    return {quotient, (a.slope[0] - quotient * b.slope[0]) / b.value,
            (a.slope[1] - quotient * b.slope[1]) / b.value};
}

// With a constant (a double or the X of the value).
template<typename X> Dual<X> operator+(const Dual<X> &a, double c)
{
    return {a.value + c, a.slope[0], a.slope[1]};
}
template<typename X> Dual<X> operator-(double c, const Dual<X> &a)
{
    return {c - a.value, -a.slope[0], -a.slope[1]};
}
template<typename X> Dual<X> operator*(const Dual<X> &a, double c)
{
    return {a.value * c, a.slope[0] * c, a.slope[1] * c};
}
template<typename X> Dual<X> operator*(double c, const Dual<X> &a)
{
    return a * c;
}
template<typename X> Dual<X> operator*(const Dual<X> &a, const X &c)
{
    return {a.value * c, a.slope[0] * c, a.slope[1] * c};
}
template<typename X> Dual<X> operator*(const X &c, const Dual<X> &a)
{
    return a * c;
}
template<typename X> Dual<X> operator-(const X &c, const Dual<X> &a)
{
    return {c - a.value, -a.slope[0], -a.slope[1]};
}
template<typename X> Dual<X> operator-(const Dual<X> &a, const X &c)
{
    return {a.value - c, a.slope[0], a.slope[1]};
}

template<typename X> Dual<X> Square(const Dual<X> &a)
{
    return a * a;
}

// cos y and sin y / y (search_interval.h) by the chain rule: d cos y = −y (sin y / y) dy,
// d (sin y / y) = −y g(y) dy.
template<typename X> struct DualTrig {
    Dual<X> cos, sinc;
};

template<typename X> DualTrig<X> CosSinc(const Dual<X> &y)
{
    const auto value = CosSinc(y.value);
    const X ofCos = -(y.value * value.sinc);
    const X ofSinc = -(y.value * value.slope);
    return {{value.cos, ofCos * y.slope[0], ofCos * y.slope[1]},
            {value.sinc, ofSinc * y.slope[0], ofSinc * y.slope[1]}};
}

inline double Square(double x)
{
    return x * x;
}
inline Interval Square(const Interval &x)
{
    return boost::numeric::square(x);
}

} // namespace calc::search
