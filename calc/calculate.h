#pragma once

// The triangle calculation behind the "Изчисли" button. It reads the three input texts,
// refuses impossible triples, reconstructs the sides and the area of the triangle from
// altitudes, sides or medians, and writes the report with the internal angle bisectors
// into the result text.
//
// The window owns one TriangleState and hands Calculate its texts through TextFields;
// nothing here knows of any GUI toolkit.
//
// Every computation is carried out on the entered values scaled by a power of two that
// brings the largest into [0.5, 1), and the results are scaled back. Powers of two are
// exact, so the digits are those of the formulas themselves wherever they stay within
// the double range, while far larger and smaller triangles still get a report.

#include "numbers.h"
#include "text_fields.h"
#include "triangle.h"
#include "triangle_state.h"

#include <string_view>

namespace calc
{

// The report's fixed texts (UTF-8).
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kRejected = "Некоректни данни!";
inline constexpr std::string_view kOutOfRange = "Числата са извън допустимия обхват!";
inline constexpr std::string_view kSidesHeading = "Изчислени дължини на страни:";
inline constexpr std::string_view kSideA = "BC = ";
inline constexpr std::string_view kSideB = "AC = ";
inline constexpr std::string_view kSideC = "AB = ";
inline constexpr std::string_view kArea = "Лице на триъгълника S = ";
inline constexpr std::string_view kBisectorsHeading = "Изчислени дължини на ъглополовящи:";
inline constexpr std::string_view kBisectorA = "Yg_a = ";
inline constexpr std::string_view kBisectorB = "Yg_b = ";
inline constexpr std::string_view kBisectorC = "Yg_c = ";

// What a calculation wrote into the result text.
enum class Outcome {
    Report,     // the sides, the area and the bisectors
    Rejected,   // kRejected: no triangle has these lengths
    OutOfRange, // kOutOfRange: a result does not fit a double
};

// Reads the inputs and replaces the result text with the report, with
// "Некоректни данни!" for a refused triple, or with "Числата са извън допустимия
// обхват!" when a result does not fit a double. Only a report updates the state's lengths.
Outcome Calculate(TriangleState &state, TextFields &texts, std::string_view decimalSeparator = ".");

// Appends the bisector block (heading and the state's Yg_a, Yg_b, Yg_c) to the result text.
void ShowBisectors(const TriangleState &state, TextFields &texts,
                   std::string_view decimalSeparator = ".");

} // namespace calc
