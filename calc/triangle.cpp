#include "triangle.h"

#include "formulas.h"
#include "quantity.h"
#include "solve.h"

#include <cstdlib>
#include <stdexcept>

namespace calc
{

namespace
{

// The field of a result, of a Triangle or a const one.
template<typename T> auto &FieldOf(T &triangle, Named value)
{
    const auto i = static_cast<std::size_t>(value.index);
    if (value.quantity == Quantity::Side)
        return triangle.sides.at(i);
    if (value.quantity == Quantity::Bisector)
        return triangle.bisectors.at(i);
    if (value.quantity == Quantity::Area && value.index == 0)
        return triangle.area;
#if defined(__cpp_exceptions)
    throw std::out_of_range("not a result of the triangle");
#else
    std::abort();
#endif
}

} // namespace

Number &Triangle::At(Named value)
{
    return FieldOf(*this, value);
}

const Number &Triangle::At(Named value) const
{
    return FieldOf(*this, value);
}

bool InputsRejected(double x1, double x2, double x3)
{
    return x1 >= x2 + x3 || x2 >= x1 + x3 || x3 >= x1 + x2;
}

double RootOrZero(double radicand)
{
    return radicand > 0 ? std::sqrt(radicand) : 0.0;
}

double HeronArea(double a, double b, double c)
{
    return formulas::Heron(a, b, c).area;
}

std::array<double, 3> Bisectors(double a, double b, double c)
{
    return {formulas::Bisector(b, c, a), formulas::Bisector(a, c, b), formulas::Bisector(a, b, c)};
}

Solution Solve(InputMode mode, std::array<double, 3> lengths, const SolveOptions &options)
{
    return SolveWith(mode, lengths, options, [&lengths] {
        return std::array<exact::Decimal, 3>{exact::ExactValue(lengths[0]),
                                             exact::ExactValue(lengths[1]),
                                             exact::ExactValue(lengths[2])};
    });
}

} // namespace calc
