#include "calculate.h"
#include "row_name.h"
#include "worker.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace
{

using namespace solution;

struct RoutesCase {
    const char *name;
    calc::InputMode mode;
    std::array<const char *, 3> inputs;
    std::vector<Route> routes;
    bool exact = true;
};

std::ostream &operator<<(std::ostream &os, const RoutesCase &c)
{
    return os << c.name;
}

class RoutesTest : public testing::TestWithParam<RoutesCase>
{
};

// The routes of a solution follow from its kind and its outcome, and for altitudes from
// whether the sides' ratio has a short exact form.
TEST_P(RoutesTest, FollowTheKindAndTheOutcome)
{
    const RoutesCase &c = GetParam();
    const calc::Solution solution = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                    ".", {.exactValues = c.exact});
    EXPECT_EQ(RoutesOf(solution), c.routes);
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, RoutesTest,
    testing::Values(
        RoutesCase{
            "AltitudesByTheRatio",
            calc::InputMode::Heights,
            {"4", "5", "10"},
            {Route::Altitudes, Route::Bisectors, Route::AltitudesCheck, Route::BisectorsCheck}},
        RoutesCase{"AltitudesByTheIdentity",
                   calc::InputMode::Heights,
                   {"7.123456789", "8.2", "9.3"},
                   {Route::AltitudesByIdentity, Route::Bisectors, Route::BisectorsCheck}},
        RoutesCase{"Sides",
                   calc::InputMode::Sides,
                   {"3", "4", "5"},
                   {Route::Sides, Route::Bisectors, Route::SidesCheck, Route::BisectorsCheck}},
        RoutesCase{"Medians",
                   calc::InputMode::Medians,
                   {"3", "4", "5"},
                   {Route::Medians, Route::Bisectors, Route::MediansCheck, Route::BisectorsCheck}},
        RoutesCase{"Rejected", calc::InputMode::Heights, {"1", "2", "3"}, {Route::Rejected}},
        RoutesCase{
            "OutOfRange", calc::InputMode::Sides, {"3e200", "4e200", "5e200"}, {Route::OutOfRange}},
        RoutesCase{"TooLong", calc::InputMode::Sides, {"1e-1000000000", "1", "1"}, {}},
        RoutesCase{"WithoutTheExactValues", calc::InputMode::Sides, {"3", "4", "5"}, {}, false}),
    RowName<RoutesCase>);

} // namespace
