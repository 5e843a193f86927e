#include "generator.h"

#include "fields.h"
#include "given_list.h"
#include "impossible.h"
#include "kinds.h"
#include "problems.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>
#include <vector>

namespace teacher
{
namespace
{

using calc::InputMode;

// A triangle's shape: its lengths in order, without their common factor. Similar triangles
// have the same one, and so do their altitudes and their medians.
Triple Shape(Triple t)
{
    std::sort(t.begin(), t.end());
    const Units factor = std::gcd(std::gcd(t[0], t[1]), t[2]);
    for (Units &length : t)
        length /= factor;
    return t;
}

// How new a problem's shape must be to be taken: not yet in the list, not yet in the
// variant, or of any shape.
enum class Novelty { InList, InVariant, Any };

// The lengths in any order: the triangle's letters are the student's to place.
Triple AnyOrder(Triple t, Random &random)
{
    std::swap(t[0], t[random.Below(3)]);
    std::swap(t[1], t[1 + random.Below(2)]);
    return t;
}

// Takes the problems of a list's variants from a pool's candidates in their shuffled order,
// each in the order it is written in: none twice in the list, none that does not fit, and
// shapes new to the list, then new to the variant, before any other.
class Taker
{
public:
    Taker(Pool &pool, const std::vector<Problem> &shuffled, Random &random, Distinct &distinct)
        : pool_(pool), random_(random), distinct_(distinct)
    {
        for (const Problem &problem : shuffled)
            (problem.isosceles ? isosceles_ : scalene_).push_back(problem);
    }

    // A variant of `each` problems, at most a third of them isosceles where the pool allows.
    std::vector<Triple> Variant(std::size_t each)
    {
        std::vector<Triple> variant;
        variantShapes_.clear();
        const std::size_t mostIsosceles = (each + 2) / 3;
        std::size_t isosceles = 0;
        for (const Novelty novelty : {Novelty::InList, Novelty::InVariant, Novelty::Any}) {
            isosceles += Take(isosceles_, std::min(each, mostIsosceles - isosceles), novelty, each,
                              variant);                   // a third isosceles at most,
            Take(scalene_, each, novelty, each, variant); // the others scalene,
        }
        for (const Novelty novelty : {Novelty::InList, Novelty::InVariant, Novelty::Any})
            Take(isosceles_, each, novelty, each, variant); // else isosceles
        return variant;
    }

private:
    // Takes up to `most` problems from the back of `from` into `variant`, up to `each`,
    // of shapes as new as asked; those that do not fit, or are in the list, are dropped.
    std::size_t Take(std::vector<Problem> &from, std::size_t most, Novelty novelty,
                     std::size_t each, std::vector<Triple> &variant)
    {
        std::size_t taken = 0;
        for (std::size_t i = from.size(); i > 0 && taken < most && variant.size() < each; --i) {
            const Problem &problem = from[i - 1];
            const Triple shape = Shape(problem.lengths);
            if ((novelty == Novelty::InList && listShapes_.contains(shape)) ||
                (novelty != Novelty::Any && variantShapes_.contains(shape)))
                continue;
            if (const std::optional<Triple> written = Written(problem);
                written && distinct_.Add(problem.lengths)) {
                variant.push_back(*written);
                listShapes_.insert(shape);
                variantShapes_.insert(shape);
                ++taken;
            }
            from.erase(from.begin() + static_cast<std::ptrdiff_t>(i - 1));
        }
        return taken;
    }

    // The problem's lengths in the order they are written in, where it fits: in any order,
    // unless the report's digits are then not all the exact values rounded while they are
    // in the pool's order.
    std::optional<Triple> Written(const Problem &problem)
    {
        const Triple t = AnyOrder(problem.lengths, random_);
        if (t == problem.lengths ? pool_.Fits(problem) : pool_.FitsInOrder(t))
            return t;
        if (t != problem.lengths && pool_.Fits(problem))
            return problem.lengths;
        return std::nullopt;
    }

    Pool &pool_;
    Random &random_;
    Distinct &distinct_;
    std::vector<Problem> scalene_, isosceles_;
    std::set<Triple> listShapes_, variantShapes_;
};

// The problems with a triangle of each variant: levels 1 and 2 from the pool (Taker),
// level 3 made from the seed; no two alike in the whole list.
std::vector<std::vector<Triple>> Problems(const ExerciseRequest &request, Random &random,
                                          Distinct &distinct)
{
    const auto each = static_cast<std::size_t>(request.count - request.impossible);
    std::vector<std::vector<Triple>> variants(static_cast<std::size_t>(request.variants));
    if (request.level == 3) {
        for (std::vector<Triple> &variant : variants)
            while (variant.size() < each)
                if (const Problem problem = HardProblem(request.mode, random);
                    distinct.Add(problem.lengths))
                    variant.push_back(problem.lengths);
        return variants;
    }
    Pool &pool = teacher::Problems(request.mode, request.level);
    std::vector<Problem> shuffled = pool.Candidates();
    random.Shuffle(shuffled);
    Taker taker(pool, shuffled, random, distinct);
    for (std::vector<Triple> &variant : variants)
        variant = taker.Variant(each);
    return variants;
}

} // namespace

std::string Header(const ExerciseRequest &request)
{
    std::string text =
        request.given ? "# bisectors --given --generate " : "# bisectors --generate ";
    text += std::to_string(request.count);
    if (!request.given) {
        text += " ";
        text += calc::Words(request.mode).option;
    }
    if (request.level != 2)
        text += " --level " + std::to_string(request.level);
    if (request.impossible > 0)
        text += " --impossible " + std::to_string(request.impossible);
    if (request.variants > 1)
        text += " --variants " + std::to_string(request.variants);
    text += " --seed " + std::to_string(request.seed) + "\n";
    return text;
}

std::string RequestProblem(const ExerciseRequest &request)
{
    if (request.count < 1 || request.count > kMaxExercises)
        return "броят на задачите трябва да е от 1 до " + std::to_string(kMaxExercises);
    if (request.impossible < 0 || request.impossible > request.count)
        return "невъзможните задачи трябва да са от 0 до " + std::to_string(request.count);
    if (request.level < 1 || request.level > 3)
        return "нивото трябва да е 1, 2 или 3";
    if (request.variants < 1 || request.variants > kMaxVariants)
        return "вариантите трябва да са от 1 до " + std::to_string(kMaxVariants);
    if (request.given)
        return GivenRequestProblem(request);
    if (request.level == 3)
        return {};
    const std::size_t needed = static_cast<std::size_t>(request.count - request.impossible) *
                               static_cast<std::size_t>(request.variants);
    const std::size_t available = teacher::Problems(request.mode, request.level).Count(needed);
    if (needed > available)
        return "няма толкова различни задачи от този вид и ниво: най-много " +
               std::to_string(available) + (request.variants > 1 ? " във всички варианти" : "");
    return {};
}

std::string Exercises(const ExerciseRequest &request, std::string_view decimalSeparator)
{
    if (!RequestProblem(request).empty())
        return {};
    if (request.given)
        return GivenExercises(request, decimalSeparator);
    Random random(request.seed);
    Distinct distinct;
    const std::vector<std::vector<Triple>> problems = Problems(request, random, distinct);
    // The impossible ones take turns at the flaws of the kind, from one the seed picks, the
    // same in every variant.
    const std::vector<Flaw> &flaws = Flaws(request.mode);
    const std::size_t first = random.Below(flaws.size());
    std::string text = Header(request);
    for (std::size_t v = 0; v < problems.size(); ++v) {
        // Each task, and whether it is written in the order it is in already.
        std::vector<std::pair<Triple, bool>> tasks;
        for (const Triple &t : problems[v])
            tasks.emplace_back(t, request.level < 3);
        for (int k = 0; k < request.impossible;) {
            const Flaw flaw = flaws[(first + static_cast<std::size_t>(k)) % flaws.size()];
            const Triple t = Impossible(request.mode, flaw, request.level, random);
            if (distinct.Add(t) && Solve(request.mode, t).outcome == calc::Outcome::Rejected) {
                tasks.emplace_back(t, false);
                ++k;
            }
        }
        random.Shuffle(tasks);
        if (request.variants > 1) {
            text += worksheet::kVariantMark;
            text += worksheet::kVariantLetters[v];
            text += '\n';
        }
        for (const auto &[lengths, ordered] : tasks) {
            const Triple t = ordered ? lengths : AnyOrder(lengths, random);
            text += Text(t[0], decimalSeparator) + " " + Text(t[1], decimalSeparator) + " " +
                    Text(t[2], decimalSeparator) + "\n";
        }
    }
    return text;
}

} // namespace teacher
