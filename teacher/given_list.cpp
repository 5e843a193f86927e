#include "given_list.h"

#include "fields.h"
#include "given_problems.h"

#include <set>

namespace teacher
{
namespace
{

// A list's tasks with a triangle, of every variant, and the tasks without one; made once per
// request, for its problem and its text alike.
struct GivenList {
    std::vector<std::vector<GivenTask>> variants;
    std::string problem;
};

// How many random tries a task of levels 2 and 3 may take: far more than any needs, so that
// a list is made whatever the seed, and a fault in the making cannot loop for ever.
constexpr int kTries = 200;

// The text a task is told apart by: its elements and values, whatever the vertex.
std::string Key(const GivenTask &task)
{
    std::string key;
    for (int turns = 0; turns < 3; ++turns) {
        const std::string text = GivenText(Turned(task, turns), ".");
        if (key.empty() || text < key)
            key = text;
    }
    return key;
}

// The tasks with a triangle: level 1 from the nice candidates in the seed's order, each
// turned to a vertex at random; levels 2 and 3 made from the seed. None twice in the list.
bool Solvable(const ExerciseRequest &request, Random &random, std::set<std::string> &seen,
              GivenList &list)
{
    const auto each = static_cast<std::size_t>(request.count - request.impossible);
    std::vector<GivenTask> shuffled;
    if (request.level == 1) {
        shuffled = NiceGivenTasks();
        random.Shuffle(shuffled);
    }
    std::size_t next = 0;
    for (std::vector<GivenTask> &variant : list.variants) {
        while (variant.size() < each) {
            GivenTask task;
            if (request.level == 1) {
                if (next == shuffled.size())
                    return false;
                task = shuffled[next++];
            } else {
                int tries = 0;
                do
                    task = RandomGivenTask(request.level, random);
                while (!GivenFits(task, request.level) && ++tries < kTries);
                if (tries == kTries)
                    return false;
            }
            task = Turned(task, static_cast<int>(random.Below(3)));
            if (!seen.contains(Key(task)) && (request.level > 1 || GivenFits(task, 1))) {
                seen.insert(Key(task));
                variant.push_back(task);
            }
        }
    }
    return true;
}

GivenList MakeList(const ExerciseRequest &request)
{
    GivenList list;
    list.variants.resize(static_cast<std::size_t>(request.variants));
    Random random(request.seed);
    std::set<std::string> seen;
    if (!Solvable(request, random, seen, list)) {
        std::size_t made = 0;
        for (const std::vector<GivenTask> &variant : list.variants)
            made += variant.size();
        list.problem = "няма толкова различни задачи от това ниво: най-много " +
                       std::to_string(made) + (request.variants > 1 ? " във всички варианти" : "");
        return list;
    }
    // The impossible ones take turns at the flaws, from one the seed picks, the same in
    // every variant; each is one the core refuses for the flaw's reason.
    const std::size_t first = random.Below(kGivenFlaws.size());
    for (std::vector<GivenTask> &variant : list.variants) {
        std::vector<GivenTask> flawed;
        for (int k = 0; k < request.impossible;) {
            const GivenFlaw flaw =
                kGivenFlaws[(first + static_cast<std::size_t>(k)) % kGivenFlaws.size()];
            // The task drawn before its turn: the order of a call's arguments is the
            // compiler's, and the list must not depend on it.
            const GivenTask drawn = FlawedGivenTask(flaw, request.level, random);
            const GivenTask task = Turned(drawn, static_cast<int>(random.Below(3)));
            const calc::chapter::Solution solution = SolveGiven(task);
            if (solution.count == calc::chapter::Count::None &&
                solution.refusal.reason == ReasonOf(flaw) && seen.insert(Key(task)).second) {
                flawed.push_back(task);
                ++k;
            }
        }
        variant.insert(variant.end(), flawed.begin(), flawed.end());
        random.Shuffle(variant);
    }
    return list;
}

} // namespace

std::string GivenRequestProblem(const ExerciseRequest &request)
{
    return MakeList(request).problem;
}

std::string GivenExercises(const ExerciseRequest &request, std::string_view decimalSeparator)
{
    const GivenList list = MakeList(request);
    if (!list.problem.empty())
        return {};
    std::string text = Header(request);
    for (std::size_t v = 0; v < list.variants.size(); ++v) {
        if (request.variants > 1) {
            text += worksheet::kVariantMark;
            text += worksheet::kVariantLetters[v];
            text += '\n';
        }
        for (const GivenTask &task : list.variants[v])
            text += GivenText(task, decimalSeparator) + "\n";
    }
    return text;
}

} // namespace teacher
