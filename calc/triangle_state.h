#pragma once

namespace calc
{

// The kind of the three lengths the user enters. The value is also the index of the
// option button that selects the kind and of the hidden list holding its input labels.
enum class InputMode : short {
    Heights = 0, // ha, hb, hc: the altitudes from A, B and C
    Sides = 1,   // a = BC, b = AC, c = AB
    Medians = 2, // ma, mb, mc: the medians from A, B and C
};

// The window's one calculation state. An accepted calculation overwrites the lengths;
// a refused one, a change of input kind and "Изчисти" leave them as they are.
struct TriangleState {
    InputMode mode = InputMode::Heights;
    double a = 0;    // side BC, opposite A
    double b = 0;    // side AC, opposite B
    double c = 0;    // side AB, opposite C
    double Yg_a = 0; // internal bisector from A to BC
    double Yg_b = 0; // internal bisector from B to AC
    double Yg_c = 0; // internal bisector from C to AB

    bool operator==(const TriangleState &) const = default;
};

} // namespace calc
