#include "chapter_report.h"

#include "chapter_values.h"
#include "exact_form.h"
#include "kinds.h"
#include "utf8.h"

namespace calc::chapter
{
namespace
{

std::string_view Name(Element element)
{
    return Info(element).name;
}

std::string_view Word(Element element)
{
    return Info(element).word;
}

// "a", "a и b", "a, b и c"
std::string Names(const Refusal &refusal, int from = 0)
{
    std::string names;
    for (int i = from; i < refusal.count; ++i) {
        if (i > from)
            names += i + 1 == refusal.count ? " и " : ", ";
        names += Name(refusal.about[static_cast<std::size_t>(i)]);
    }
    return names;
}

// The sentence with its first letter capital (a Cyrillic or Latin one).
std::string Sentence(std::string text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (!text.empty() && byte(0) >= 'a' && byte(0) <= 'z' && text.compare(0, 4, "sin ") != 0) {
        text[0] = static_cast<char>(byte(0) - 'a' + 'A');
    } else if (text.size() >= 2 && byte(0) == 0xD0 && byte(1) >= 0xB0 && byte(1) <= 0xBF) {
        text[1] = static_cast<char>(byte(1) - 0x20); // а … п
    } else if (text.size() >= 2 && byte(0) == 0xD1 && byte(1) >= 0x80 && byte(1) <= 0x8F) {
        text[0] = static_cast<char>(0xD0); // р … я
        text[1] = static_cast<char>(byte(1) + 0x20);
    }
    return text + ".";
}

const Element &At(const std::array<Element, 3> &elements, ElementKind kind, int skip = 0)
{
    for (const Element &element : elements)
        if (Info(element).kind == kind && skip-- == 0)
            return element;
    return elements[0];
}

std::string CountWords(std::size_t count)
{
    switch (count) {
    case 1:
        return "Един триъгълник";
    case 2:
        return "Два триъгълника";
    case 3:
        return "Три триъгълника";
    case 4:
        return "Четири триъгълника";
    default:
        return std::to_string(count) + " триъгълника";
    }
}

std::string RefusalText(const Solution &solution)
{
    const Refusal &refusal = solution.refusal;
    const Element first = refusal.about[0];
    switch (refusal.reason) {
    case Reason::None:
        return {};
    case Reason::NotPositive:
        return std::string(Word(first)) + " трябва да е положително число";
    case Reason::AngleRange:
        return std::string(Word(first)) + " трябва да е между 0° и 180°";
    case Reason::AngleSum:
        return "сборът на ъглите " + Names(refusal) + " е поне 180°";
    case Reason::SideTooLong:
        return std::string(Word(first)) + " е поне колкото другите две страни заедно";
    case Reason::SineAboveOne:
        return "sin " + std::string(Name(first)) + " би излязъл по-голям от 1 (от " +
               Names(refusal, 1) + "), а синусът на ъгъл е най-много 1";
    case Reason::AltitudeTooLong:
    case Reason::BisectorTooLong:
        if (refusal.count == 2)
            return std::string(Word(first)) + " е по-дълга от " +
                   std::string(Word(refusal.about[1]));
        return std::string(Word(first)) + " е по-дълга, отколкото позволяват " + Names(refusal, 1);
    case Reason::Bound:
        return std::string(Word(first)) + " е извън възможното при " + Names(refusal, 1);
    case Reason::InradiusTooLong:
        return "радиусът r е по-голям от P/(6√3), най-големия при този периметър (на "
               "равностранния триъгълник)";
    case Reason::MedianBound:
        return std::string(Word(first)) + " е твърде дълга или твърде къса за страните " +
               Names(refusal, 1);
    case Reason::FeetOrder:
        return std::string(Word(first)) + " трябва да е между " +
               std::string(Word(refusal.about[1])) + " и " + std::string(Word(refusal.about[2]));
    case Reason::Reciprocals:
        return std::string(Words(InputMode::Heights).exceeds);
    case Reason::Medians:
        return std::string(Words(InputMode::Medians).exceeds);
    case Reason::Contradiction:
        if (refusal.identity == Identity::IsoscelesFeet)
            return "даденото си противоречи: " + std::string(Name(refusal.about[0])) + " = " +
                   std::string(Name(refusal.about[1])) + " и " +
                   std::string(Name(refusal.about[1])) + " = " +
                   std::string(Name(refusal.about[2])) +
                   " са верни само заедно, в равнобедрен триъгълник";
        return "даденото си противоречи: " +
               IdentityText(refusal.identity,
                            {refusal.about[0], refusal.about[1], refusal.about[2]}) +
               " не е изпълнено";
    case Reason::OutOfRange:
        return {};
    case Reason::Undecided:
        return "точността не стига, за да се реши колко триъгълника има: сравненията остават "
               "неясни и при изчисление с повече от 300 цифри";
    case Reason::Unproven:
        return "търсенето не можа да реши дали има такъв триъгълник";
    case Reason::NoneFound:
        return "търсенето доказа, че няма триъгълник с тези елементи";
    }
    return {};
}

std::string FamilyText(const Solution &solution)
{
    std::array<Element, 3> e{};
    for (std::size_t i = 0; i < 3; ++i)
        e[i] = solution.givens[i].element;
    switch (solution.family) {
    case Identity::AngleSum:
        return "ъглите определят формата, но не и размера: пасва всеки подобен триъгълник";
    case Identity::SineLaw: {
        const int v = Info(At(e, ElementKind::Side)).vertex;
        return "върхът " + std::string(kVertexNames[static_cast<std::size_t>(v)]) +
               " може да е всяка точка от дъгата, от която " +
               std::string(kSideNames[static_cast<std::size_t>(v)]) + " се вижда под ъгъл " +
               std::string(Name(At(e, ElementKind::Angle)));
    }
    case Identity::AltitudeArea: {
        const int v = Info(At(e, ElementKind::Side)).vertex;
        return "върхът " + std::string(kVertexNames[static_cast<std::size_t>(v)]) +
               " може да е всяка точка от права, успоредна на " +
               std::string(kSideNames[static_cast<std::size_t>(v)]) + " на разстояние " +
               std::string(Name(At(e, ElementKind::Altitude)));
    }
    case Identity::InradiusArea:
        return "при този периметър и този радиус r пасват триъгълници с различна форма";
    case Identity::AltitudeSine: {
        // h_i = a_j·sin α_k: the vertex j moves on the ray from k.
        const auto j = static_cast<std::size_t>(Info(At(e, ElementKind::Side)).vertex);
        const auto k = static_cast<std::size_t>(Info(At(e, ElementKind::Angle)).vertex);
        const std::size_t i = 3 - j - k;
        return "върхът " + std::string(kVertexNames[j]) + " може да е всяка точка от лъча " +
               std::string(kVertexNames[k]) + std::string(kVertexNames[j]) + ": " +
               std::string(Word(ElementOf(ElementKind::Side, static_cast<int>(i)))) + " е свободна";
    }
    case Identity::IsoscelesFeet: {
        const auto v = static_cast<std::size_t>(Info(At(e, ElementKind::Altitude)).vertex);
        return "пасва всеки равнобедрен триъгълник с върха " + std::string(kVertexNames[v]) +
               " между равните страни и височина " +
               std::string(Name(At(e, ElementKind::Altitude))) + ": " +
               std::string(Word(ElementOf(ElementKind::Side, static_cast<int>(v)))) + " е свободна";
    }
    case Identity::Thales: {
        const auto v = static_cast<std::size_t>(Info(At(e, ElementKind::Side)).vertex);
        return "върхът " + std::string(kVertexNames[v]) +
               " може да е всяка точка от окръжността с диаметър " + std::string(kSideNames[v]);
    }
    case Identity::None:
    case Identity::SidesArea:
        break;
    }
    return {};
}

bool Given(const Solution &solution, Element element)
{
    for (const calc::Given &given : solution.givens)
        if (given.element == element)
            return true;
    return false;
}

// "c = √39 ≈ 6,2449979983984", "cos γ = 1/2, γ = 60°"; nothing for a value without a form
// short enough to help.
void AppendExactLine(std::string &out, Element element, const ExactTriangle &exact,
                     const ReportStyle &style)
{
    const exact::Radical &value = exact.values[static_cast<std::size_t>(element)];
    const std::string form = exact::RadicalText(value);
    if (form.empty() || Utf8Characters(form) > exact::kMaxFormLength)
        return;
    const bool angle = Info(element).kind == ElementKind::Angle;
    if (angle)
        out += "cos ";
    out += Name(element);
    out += " = ";
    out += form;
    const std::optional<exact::RootSum> sum = value.AsRootSum();
    const bool whole = sum && sum->AsRational() && denominator(*sum->AsRational()) == 1;
    if (!whole)
        if (const std::optional<Digits> digits =
                ExactDigits(angle && value.Sign().value_or(0) < 0 ? -value : value)) {
            out += digits->exact ? " = " : " ≈ ";
            if (angle && value.Sign().value_or(0) < 0)
                out += "−";
            AppendDigits(out, *digits, style.decimalSeparator);
        }
    if (angle)
        if (const std::optional<int> degrees =
                exact.special[static_cast<std::size_t>(Info(element).vertex)]) {
            out += ", ";
            out += Name(element);
            out += " = " + std::to_string(*degrees) + "°";
        }
    out += style.lineEnd;
}

} // namespace

std::string IdentityText(Identity identity, const std::array<Element, 3> &e)
{
    const auto name = [](Element element) { return std::string(Name(element)); };
    switch (identity) {
    case Identity::AngleSum:
        return "α + β + γ = 180°";
    case Identity::SineLaw:
        return name(At(e, ElementKind::Side)) + " = 2R·sin " + name(At(e, ElementKind::Angle));
    case Identity::AltitudeArea:
        return "S = " + name(At(e, ElementKind::Side)) + "·" + name(At(e, ElementKind::Altitude)) +
               "/2";
    case Identity::InradiusArea:
        return "S = r·P/2";
    case Identity::AltitudeSine:
        return name(At(e, ElementKind::Altitude)) + " = " + name(At(e, ElementKind::Side)) +
               "·sin " + name(At(e, ElementKind::Angle));
    case Identity::IsoscelesFeet:
        return name(At(e, ElementKind::Altitude)) + " = " + name(At(e, ElementKind::Bisector)) +
               " = " + name(At(e, ElementKind::Median));
    case Identity::Thales:
        return name(At(e, ElementKind::Median)) + " = " + name(At(e, ElementKind::Side)) +
               "/2 при " + name(At(e, ElementKind::Angle)) + " = 90°";
    case Identity::None:
    case Identity::SidesArea:
        break;
    }
    return {};
}

std::string Headline(const Solution &solution)
{
    switch (solution.count) {
    case Count::None:
        if (solution.refusal.reason == Reason::OutOfRange)
            return std::string(kOutOfRange);
        if (solution.refusal.reason == Reason::Undecided ||
            solution.refusal.reason == Reason::Unproven)
            return "Не може да се реши.";
        return std::string(kRejected);
    case Count::Infinite:
        return "Безброй много триъгълника.";
    case Count::Finite:
        break;
    }
    const std::size_t count = solution.triangles.size();
    const bool many = count > 1;
    std::string line = CountWords(count) + ", ";
    switch (solution.decision) {
    case Decision::Exact:
        line += many ? "решени точно" : "решен точно";
        break;
    case Decision::Numeric:
        line +=
            many ? "решени числено, с доказани сравнения" : "решен числено, с доказани сравнения";
        break;
    case Decision::Search:
        line += many ? "намерени с търсене" : "намерен с търсене";
        line +=
            solution.proven ? ", което доказва, че други няма" : ", което не доказа, че други няма";
        break;
    }
    return line + ":";
}

std::string Explanation(const Solution &solution)
{
    if (solution.count == Count::Infinite)
        return Sentence(FamilyText(solution));
    const std::string text = RefusalText(solution);
    return text.empty() ? text : Sentence(text);
}

std::string TypeText(const SolvedTriangle &triangle)
{
    std::string text(kAngleTypes[static_cast<std::size_t>(triangle.angles)]);
    text += ", ";
    text += kSideTypes[static_cast<std::size_t>(triangle.sides)];
    return text;
}

void AppendTriangle(std::string &out, const Solution &solution, std::size_t index,
                    const ReportStyle &style)
{
    if (index >= solution.triangles.size())
        return;
    const SolvedTriangle &triangle = solution.triangles[index];
    for (const ElementInfo &info : kElements) {
        out += info.name;
        out += " = ";
        AppendNumber(out, triangle.Of(info.element), style.decimalSeparator);
        if (info.kind == ElementKind::Angle)
            out += "°";
        out += style.lineEnd;
    }
    out += TypeText(triangle);
    out += style.lineEnd;
    if (triangle.mirrorOf >= 0) {
        out += "симетричен на триъгълник " + std::to_string(triangle.mirrorOf + 1);
        out += style.lineEnd;
    }
}

void AppendTriangleExact(std::string &out, const Solution &solution, std::size_t index,
                         const ReportStyle &style)
{
    if (!solution.exact || index >= solution.exact->triangles.size())
        return;
    std::string lines;
    for (const ElementInfo &info : kElements)
        if (info.kind == ElementKind::Angle || !Given(solution, info.element))
            AppendExactLine(lines, info.element, solution.exact->triangles[index], style);
    if (lines.empty())
        return;
    out += kExactHeading;
    out += style.lineEnd;
    out += lines;
}

std::string_view NoExactValues(const Solution &solution)
{
    if (solution.count != Count::Finite || solution.exact)
        return {};
    return solution.decision == Decision::Search
               ? "Точни стойности няма: триъгълниците са намерени с търсене."
               : "Точни стойности няма: ъгъл, който не е кратен на 15°, има само приближени "
                 "синус и косинус.";
}

void AppendReport(std::string &out, const Solution &solution, const ReportStyle &style, bool exact)
{
    out += Headline(solution);
    out += style.lineEnd;
    if (solution.count != Count::Finite) {
        if (const std::string explanation = Explanation(solution); !explanation.empty()) {
            out += explanation;
            out += style.lineEnd;
        }
        return;
    }
    const std::size_t count = solution.triangles.size();
    for (std::size_t t = 0; t < count; ++t) {
        if (count > 1) {
            out += kTriangleHeading;
            out += std::to_string(t + 1);
            out += ':';
            out += style.lineEnd;
        }
        AppendTriangle(out, solution, t, style);
        if (exact)
            AppendTriangleExact(out, solution, t, style);
    }
    if (exact)
        if (const std::string_view none = NoExactValues(solution); !none.empty()) {
            out += none;
            out += style.lineEnd;
        }
}

} // namespace calc::chapter
