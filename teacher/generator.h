#pragma once

// The teacher's workbench: exercises of one topic, triangles given by their altitudes,
// sides or medians, made at random from a seed, so that the same seed makes the same
// list on every machine and in the web page, and a teacher can make it again.
//
//   generator.h   Exercises: a list of triples in worksheet form (worksheet/ reads it):
//                 "nice" problems, short decimals whose answers have exact forms, and as
//                 many impossible ones as asked, each impossible in a way worth a lesson
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
};

// The most exercises a list holds.
inline constexpr int kMaxExercises = 200;

// Why a request cannot be met (a count out of range, more impossible exercises than
// exercises), in Bulgarian; empty when it can.
std::string RequestProblem(const ExerciseRequest &request);

// The exercises: a comment line that says how to make the same list again
// ("# bisectors --generate 10 --medians --impossible 2 --seed 7"), then one triple a
// line, the lengths written with `decimalSeparator`, no two alike. Those with a triangle
// are short decimals (at most two digits after the separator) whose sides and area have
// exact forms, and for sides and altitudes the bisectors too: altitudes of triangles with
// rational altitudes, medians of triangles with rational sides or a rational area. Those
// without one are degenerate (one length exactly the sum of the other two; for altitudes,
// its reciprocal), or have one length too long (an altitude too short). Empty when
// RequestProblem has a problem.
std::string Exercises(const ExerciseRequest &request, std::string_view decimalSeparator = ".");

} // namespace teacher
