#include "generator.h"

#include "fields.h"
#include "impossible.h"
#include "kinds.h"
#include "problems.h"

#include <algorithm>
#include <vector>

namespace teacher
{
namespace
{

using calc::InputMode;

// The problems with a triangle of each variant: levels 1 and 2 from the pool, no two alike
// in the whole list, at most a third of each variant isosceles where the pool allows;
// level 3 made from the seed.
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
    std::vector<Problem> pool = teacher::Problems(request.mode, request.level);
    random.Shuffle(pool);
    std::vector<Problem> scalene, isosceles;
    for (const Problem &problem : pool)
        (problem.isosceles ? isosceles : scalene).push_back(problem);
    const std::size_t mostIsosceles = (each + 2) / 3;
    for (std::vector<Triple> &variant : variants) {
        const auto take = [&](std::vector<Problem> &from, std::size_t most) {
            for (; variant.size() < each && most > 0 && !from.empty(); from.pop_back())
                if (distinct.Add(from.back().lengths)) {
                    variant.push_back(from.back().lengths);
                    --most;
                }
        };
        take(isosceles, mostIsosceles); // a third isosceles at most,
        take(scalene, each);            // the others scalene,
        take(isosceles, each);          // where there are not enough of those, isosceles
    }
    return variants;
}

std::string Header(const ExerciseRequest &request)
{
    std::string text = "# bisectors --generate " + std::to_string(request.count) + " ";
    text += calc::Words(request.mode).option;
    if (request.level != 2)
        text += " --level " + std::to_string(request.level);
    if (request.impossible > 0)
        text += " --impossible " + std::to_string(request.impossible);
    if (request.variants > 1)
        text += " --variants " + std::to_string(request.variants);
    text += " --seed " + std::to_string(request.seed) + "\n";
    return text;
}

} // namespace

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
    if (request.level == 3)
        return {};
    const std::size_t available = teacher::Problems(request.mode, request.level).size();
    if (static_cast<std::size_t>(request.count - request.impossible) *
            static_cast<std::size_t>(request.variants) >
        available)
        return "няма толкова различни задачи от този вид и ниво: най-много " +
               std::to_string(available) + (request.variants > 1 ? " във всички варианти" : "");
    return {};
}

std::string Exercises(const ExerciseRequest &request, std::string_view decimalSeparator)
{
    if (!RequestProblem(request).empty())
        return {};
    Random random(request.seed);
    Distinct distinct;
    const std::vector<std::vector<Triple>> problems = Problems(request, random, distinct);
    // The impossible ones take turns at the flaws of the kind, from one the seed picks, the
    // same in every variant.
    const std::vector<Flaw> &flaws = Flaws(request.mode);
    const std::size_t first = random.Below(flaws.size());
    std::string text = Header(request);
    for (std::size_t v = 0; v < problems.size(); ++v) {
        std::vector<Triple> tasks = problems[v];
        for (int k = 0; k < request.impossible;) {
            const Flaw flaw = flaws[(first + static_cast<std::size_t>(k)) % flaws.size()];
            const Triple t = Impossible(request.mode, flaw, request.level, random);
            if (distinct.Add(t) && Solve(request.mode, t).outcome == calc::Outcome::Rejected) {
                tasks.push_back(t);
                ++k;
            }
        }
        random.Shuffle(tasks);
        if (request.variants > 1) {
            text += worksheet::kVariantMark;
            text += worksheet::kVariantLetters[v];
            text += '\n';
        }
        for (Triple t : tasks) {
            // The lengths in any order: the triangle's letters are the student's to place.
            std::swap(t[0], t[random.Below(3)]);
            std::swap(t[1], t[1 + random.Below(2)]);
            text += Text(t[0], decimalSeparator) + " " + Text(t[1], decimalSeparator) + " " +
                    Text(t[2], decimalSeparator) + "\n";
        }
    }
    return text;
}

} // namespace teacher
