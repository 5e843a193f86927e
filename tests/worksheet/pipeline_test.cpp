#include "pipeline.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// What a sink was given, in order: "text:…" for each piece, "say:…" for each message.
class Recording final : public worksheet::Sink
{
public:
    void Write(std::string_view text) override { events.push_back("text:" + std::string(text)); }
    void Say(std::string_view message, bool alone) override
    {
        events.push_back((alone ? "alone:" : "say:") + std::string(message));
    }
    std::vector<std::string> events;
};

// A writer whose end comes in `pieces` pieces, "end1" to "endN", after a text of each
// record's line; a record of two fields is a problem.
class Pieces final : public worksheet::Document
{
public:
    explicit Pieces(int pieces) : pieces_(pieces) {}
    calc::SolveOptions Options() const override { return {}; }
    worksheet::Verdict Add(std::string &out, const worksheet::Record &record) override
    {
        out += record.fields;
        out += ';';
        if (record.count == 2)
            return {2, "two"};
        return {};
    }
    worksheet::Ending Finish(std::string &out) override
    {
        out += "end" + std::to_string(++given_);
        return {.more = given_ < pieces_, .problem = {}};
    }

private:
    int pieces_;
    int given_ = 0;
};

struct RunCase {
    const char *name;
    std::string lines;
    int pieces;
    std::size_t piece;
    std::vector<std::string> events;
    int steps;
    int status;
};

std::ostream &operator<<(std::ostream &os, const RunCase &c)
{
    return os << c.name;
}

class RunTest : public testing::TestWithParam<RunCase>
{
};

// Each step's text goes on as the step ends in a run of piece 0, as the page takes it; in
// pieces otherwise; a message always after the text of its record and those before.
TEST_P(RunTest, PassesTheTextOnInOrder)
{
    const RunCase &c = GetParam();
    worksheet::TextSource source(c.lines);
    Pieces document(c.pieces);
    Recording sink;
    worksheet::Run run(calc::InputMode::Sides, ".", source, document, sink, c.piece);
    int steps = 0;
    while (run.Step())
        ++steps;
    EXPECT_FALSE(run.Step());
    EXPECT_EQ(sink.events, c.events);
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(run.Status(), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Pipeline, RunTest,
    testing::Values(RunCase{"EachStep",
                            "3 4 5\n# comment\n6 8 10\n",
                            2,
                            0,
                            {"text:3 4 5;", "text:6 8 10;", "text:end1", "text:end2"},
                            4,
                            0},
                    RunCase{"Gathered",
                            "3 4 5\n6 8 10\n",
                            3,
                            worksheet::Run::kPiece,
                            {"text:3 4 5;6 8 10;end1end2end3"},
                            5,
                            0},
                    RunCase{"MessageAfterItsRecord",
                            "3 4 5\n1 2\n6 8 10\n",
                            1,
                            worksheet::Run::kPiece,
                            {"text:3 4 5;1 2;", "say:задача 2: two", "text:6 8 10;end1"},
                            4,
                            2},
                    RunCase{"Empty", "", 1, 0, {"text:end1"}, 1, 0}),
    RowName<RunCase>);

} // namespace
