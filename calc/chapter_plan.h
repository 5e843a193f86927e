#pragma once

// Which way a triple of elements is solved, whatever their values: the plan behind
// chapter::RouteOf.
//
// Three elements bound by an identity (three angles; a, α and R; S, a and h_a; S, r and P;
// h_a, b and γ) fit no triangle or infinitely many. Every other triple is matched against
// the closed forms, each a pattern in its own labels (SideSideAngle is a, b, α; its
// relabellings b, a, β, c, a, γ, … match it too). A triple that matches none is reduced by
// steps, each an identity that finds an element from two of the triple (sin γ = h_b/a finds γ
// in place of h_b; a = 2S/h_a finds a in place of S), until it matches one; the fewest steps
// win. What no steps reduce goes to the search.

#include "chapter.h"

#include <array>
#include <optional>

namespace calc::chapter
{

// The identity three elements are bound by, if any.
Identity IdentityOf(const std::array<Element, 3> &elements);

// The closed form the elements match as they stand, with them in its order; none when
// they match none.
std::optional<Route> MatchRoute(const std::array<Element, 3> &elements);

// The plan: an identity, a closed form after the fewest steps, or the search.
Route Plan(const std::array<Element, 3> &elements);

} // namespace calc::chapter
