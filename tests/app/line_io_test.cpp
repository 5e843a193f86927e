#include "line_io.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

// Both ends of a pipe, closed at the end of the test.
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe()
    {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        read = ends[0];
        write = ends[1];
    }
    ~Pipe()
    {
        CloseWrite();
        close(read);
    }
    void CloseWrite()
    {
        if (write >= 0)
            close(write);
        write = -1;
    }
    // What has arrived so far, without waiting for more.
    std::string Available() const
    {
        std::string text;
        char chunk[4096];
        const int flags = fcntl(read, F_GETFL);
        fcntl(read, F_SETFL, flags | O_NONBLOCK);
        for (ssize_t got; (got = ::read(read, chunk, sizeof chunk)) > 0;)
            text.append(chunk, static_cast<std::size_t>(got));
        fcntl(read, F_SETFL, flags);
        return text;
    }
};

struct LinesCase {
    const char *name;
    std::string input;
    std::size_t chunk; // the writer's pieces: the reader gets the input in reads this small
    std::vector<std::string> lines;
};

std::ostream &operator<<(std::ostream &os, const LinesCase &c)
{
    return os << c.name;
}

class LineReaderTest : public testing::TestWithParam<LinesCase>
{
};

TEST_P(LineReaderTest, SplitsLines)
{
    const LinesCase &c = GetParam();
    Pipe pipe;
    std::thread writer([&] {
        for (std::size_t at = 0; at < c.input.size(); at += c.chunk)
            EXPECT_GT(
                write(pipe.write, c.input.data() + at, std::min(c.chunk, c.input.size() - at)), 0);
        pipe.CloseWrite();
    });
    app::LineReader reader(pipe.read);
    std::vector<std::string> lines;
    for (std::string_view line; reader.Next(line);)
        lines.emplace_back(line);
    writer.join();
    EXPECT_EQ(lines, c.lines);
    EXPECT_FALSE(reader.Failed());
}

const std::string kLong(200'000, 'z');                       // beyond the first buffer
const std::string kNearlyFull(app::Output::kChunk - 3, 'x'); // a line across its end

INSTANTIATE_TEST_SUITE_P(
    Lines, LineReaderTest,
    testing::Values(
        LinesCase{"Empty", "", 1, {}},
        LinesCase{"LastLineWithoutFeed", "3 4 5\n6 7", 100, {"3 4 5", "6 7"}},
        LinesCase{"EmptyLinesAndCarriageReturns", "\n\r\n\n", 1, {"", "", ""}},
        // CR LF, LF and a CR alone end a line; a CR LF split between two reads is one end.
        LinesCase{"EveryLineEnd", "1\r\n2\n3\r4\r\r\n5", 100, {"1", "2", "3", "4", "", "5"}},
        LinesCase{"ReturnThenFeedApart", "3 4 5\r\n6 7 8\r", 6, {"3 4 5", "6 7 8"}},
        LinesCase{"ReturnsAlone", "a\r\rb\r", 1, {"a", "", "b"}},
        LinesCase{"ByteByByte", "ab\ncd\n", 1, {"ab", "cd"}},
        LinesCase{"NulInside", std::string("a\0b\n", 4), 100, {std::string("a\0b", 3)}},
        LinesCase{"AcrossTheBufferEnd", kNearlyFull + "\nyyyyyy\n", 4096, {kNearlyFull, "yyyyyy"}},
        LinesCase{"LongerThanTheBuffer", "a\n" + kLong + "\nend", 10'000, {"a", kLong, "end"}}),
    RowName<LinesCase>);

TEST(LineReader, ReportsAFailedRead)
{
    const int directory = open("/", O_RDONLY | O_DIRECTORY);
    app::LineReader reader(directory);
    std::string_view line;
    EXPECT_FALSE(reader.Next(line));
    EXPECT_TRUE(reader.Failed());
    close(directory);
}

// Answers reach a terminal before the program waits for the next line: the typist
// sends the next line only once the answer to the first has arrived.
TEST(LineReader, FlushesTheOutputBeforeWaiting)
{
    Pipe input, output;
    app::Output out(output.write);
    app::LineReader reader(input.read, &out);
    ASSERT_EQ(write(input.write, "1\n", 2), 2);
    std::string_view line;
    ASSERT_TRUE(reader.Next(line));
    out.Write("answer 1\n");
    std::string seen;
    std::thread typist([&] {
        for (int wait = 0; wait < 500 && seen.empty(); ++wait) {
            usleep(10'000);
            seen = output.Available();
        }
        EXPECT_EQ(write(input.write, "2\n", 2), 2);
    });
    ASSERT_TRUE(reader.Next(line));
    typist.join();
    EXPECT_EQ(line, "2");
    EXPECT_EQ(seen, "answer 1\n");
}

// A line that ends in a CR is given before the next byte arrives, and an LF after it is
// still no empty line.
TEST(LineReader, GivesALineEndedByAReturnAtOnce)
{
    Pipe input;
    app::LineReader reader(input.read);
    ASSERT_EQ(write(input.write, "1\r", 2), 2);
    std::string_view line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "1");
    ASSERT_EQ(write(input.write, "\n2\n", 3), 3);
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "2");
}

TEST(Output, WritesInChunksAndInOrderWithTheStreamBefore)
{
    Pipe pipe;
    app::Output out(pipe.write);
    app::Output err(pipe.write, &out);
    out.Write("report\n");
    EXPECT_EQ(pipe.Available(), "");
    err.Write("problem\n");
    EXPECT_TRUE(err.Flush());
    EXPECT_EQ(pipe.Available(), "report\nproblem\n");
    const std::string chunk(app::Output::kChunk, 'c');
    out.Write(chunk);
    EXPECT_EQ(pipe.Available().size(), chunk.size());
}

TEST(Output, ReportsAFailedWrite)
{
    const int full = open("/dev/full", O_WRONLY);
    app::Output out(full);
    out.Write("report\n");
    EXPECT_FALSE(out.Flush());
    EXPECT_TRUE(out.Failed());
    close(full);
}

} // namespace
