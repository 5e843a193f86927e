#pragma once

// Lists of the triangle chapter's tasks (given_problems.h), made as the lists of the three
// kinds are (generator.h): from a seed, at a level, with as many without a triangle as asked,
// in variants; "# bisectors --given --generate 10 --level 1 --seed 7" first, then a task a
// line, "a=5 b=8 alpha=60".

#include "generator.h"

#include <string>
#include <string_view>

namespace teacher
{

// Why a request of the chapter's tasks cannot be met (generator.h checks its numbers
// first): not so many different ones at the level; empty when it can.
std::string GivenRequestProblem(const ExerciseRequest &request);

// The list; empty when GivenRequestProblem has a problem.
std::string GivenExercises(const ExerciseRequest &request, std::string_view decimalSeparator);

} // namespace teacher
