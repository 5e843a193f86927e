#include "triangle.h"

#include "quantity.h"

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

} // namespace calc
