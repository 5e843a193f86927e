#include "figure.h"
#include "markup.h"
#include "names.h"

#include <algorithm>
#include <cmath>

namespace figure
{
namespace
{

// A right angle to within rounding: the squares of the sides, the longest one scaled to
// between 0.5 and 1, add up to this close.
constexpr double kRightAngleTolerance = 1e-12;

enum class Angle { Acute, Right, Obtuse };

class Writer
{
public:
    explicit Writer(std::string_view separator) : separator_(separator) {}

    Writer &operator<<(std::string_view text)
    {
        text_ += text;
        return *this;
    }
    // A named length: "BC = 3".
    void Length(std::string_view name, double value, std::string_view joiner = " = ")
    {
        text_ += name;
        text_ += joiner;
        rounded_ = !AppendLength(text_, value, separator_) || rounded_;
    }
    // "Name: first = x; second = y; third = z."
    void Lengths(std::string_view heading, const std::array<std::string_view, 3> &names,
                 const std::array<double, 3> &values)
    {
        text_ += heading;
        for (std::size_t i = 0; i < 3; ++i) {
            text_ += i ? "; " : " ";
            Length(names[i], values[i]);
        }
        text_ += '.';
    }
    bool Rounded() const { return rounded_; }
    std::string Take() { return std::move(text_); }

private:
    std::string_view separator_;
    std::string text_;
    bool rounded_ = false;
};

} // namespace

std::string Description(const calc::Solution &solution, std::string_view decimalSeparator)
{
    const std::array<double, 3> sides = solution.triangle.Sides();
    if (solution.outcome != calc::Outcome::Solved ||
        !std::all_of(sides.begin(), sides.end(),
                     [](double side) { return std::isfinite(side) && side > 0; }))
        return {};

    // The sides scaled so that the longest is between 0.5 and 1: their squares stay doubles.
    int exponent = 0;
    std::frexp(std::max({sides[0], sides[1], sides[2]}), &exponent);
    std::array<double, 3> s{};
    for (std::size_t i = 0; i < 3; ++i)
        s[i] = std::ldexp(sides[i], -exponent);
    const auto longest = static_cast<std::size_t>(std::max_element(s.begin(), s.end()) - s.begin());
    const std::size_t j = (longest + 1) % 3, k = (longest + 2) % 3;
    const double excess = (s[j] * s[j] + s[k] * s[k]) - s[longest] * s[longest];
    const Angle angle = excess > kRightAngleTolerance    ? Angle::Acute
                        : excess < -kRightAngleTolerance ? Angle::Obtuse
                                                         : Angle::Right;

    Writer out(decimalSeparator);
    const calc::KindWords &given = calc::Words(solution.mode);
    out << "Триъгълник ABC по три " << given.plural << ", ";
    if (s[0] == s[1] && s[1] == s[2]) {
        out << "равностранен.";
    } else {
        if (s[0] == s[1] || s[1] == s[2] || s[0] == s[2])
            out << "равнобедрен и ";
        switch (angle) {
        case Angle::Acute:
            out << "остроъгълен.";
            break;
        case Angle::Right:
            out << "правоъгълен, с прав ъгъл при върха " << kVertexNames[longest] << ".";
            break;
        case Angle::Obtuse:
            out << "тъпоъгълен, с тъп ъгъл при върха " << kVertexNames[longest] << ".";
            break;
        }
    }

    if (solution.mode == calc::InputMode::Heights) {
        out << " " << given.caption << ":";
        out.Lengths("", given.segments, solution.given);
        // The feet of the altitudes from the two other vertices.
        const std::string_view feet[2] = {given.feet[std::min(j, k)], given.feet[std::max(j, k)]};
        if (angle == Angle::Obtuse)
            out << " Петите " << feet[0] << " и " << feet[1]
                << " лежат върху продълженията на страните " << kSideNames[std::min(j, k)] << " и "
                << kSideNames[std::max(j, k)] << ".";
        else if (angle == Angle::Right)
            out << " Петите " << feet[0] << " и " << feet[1] << " съвпадат с върха "
                << kVertexNames[longest] << ".";
    } else if (solution.mode == calc::InputMode::Medians) {
        out << " " << given.caption << ":";
        out.Lengths("", given.segments, solution.given);
    }
    out.Lengths(" Страни:", kSideNames, sides);
    out << " Ъглополовящи:";
    for (std::size_t i = 0; i < 3; ++i) {
        out << (i ? "; от " : " от ");
        out.Length(kVertexNames[i], solution.triangle.bisectors[i].value, " — ");
    }
    out << ".";
    if (out.Rounded())
        out << " Дължините са закръглени до четири значещи цифри.";
    return out.Take();
}

} // namespace figure
