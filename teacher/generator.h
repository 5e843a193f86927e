#pragma once

// The teacher's workbench: exercises of one topic, triangles given by their altitudes,
// sides or medians, made at random from a seed, so that the same seed makes the same
// list on every machine and in the web page, and a teacher can make it again.
//
//   generator.h    Exercises: a list of triples in worksheet form (worksheet/ reads it),
//                  at a level, with as many impossible ones as asked, of several kinds, in
//                  one or more variants for a class test
//   problems.h     the problems with a triangle of each kind and level
//   impossible.h   the problems without one, each impossible in a way worth a lesson
//   given_list.h   the triangle chapter's tasks, three elements of any kinds
//                  (given_problems.h), in lists made the same way
//
// The answer key and the student's sheet of a list are worksheet/'s writers; the command
// line and the page's "За учителя" part put them together.

#include "triangle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace teacher
{

struct ExerciseRequest {
    calc::InputMode mode = calc::InputMode::Sides;
    int count = 10;
    int impossible = 0; // how many of the count have no triangle
    std::uint64_t seed = 1;
    int level = 2;      // 1, 2 or 3 (problems.h)
    int variants = 1;   // 1 to 4 lists, А, Б, В, Г
    bool given = false; // the chapter's tasks of any three elements, not of `mode` (given_list.h)
};

// The most exercises a list (each variant) holds, and the most variants.
inline constexpr int kMaxExercises = 200;
inline constexpr int kMaxVariants = 4;

// Why a request cannot be met (a count, a level or a number of variants out of range, more
// impossible exercises than exercises, more than there are different ones), in Bulgarian;
// empty when it can.
std::string RequestProblem(const ExerciseRequest &request);

// The exercises: a comment line that says how to make the same list again
// ("# bisectors --generate 10 --medians --impossible 2 --seed 7"), then one triple a line,
// the lengths written with `decimalSeparator`, no two alike, in any order. With variants,
// each after its own comment line ("# Вариант А"), all of the same level, with impossible
// ones of the same kinds. The impossible ones take turns at the kinds of their kind of
// lengths (impossible.h). Empty when RequestProblem has a problem.
std::string Exercises(const ExerciseRequest &request, std::string_view decimalSeparator = ".");

// The list's first line, the command that makes it again, with its line feed.
std::string Header(const ExerciseRequest &request);

} // namespace teacher
