#pragma once

// Buffered input and output on file descriptors for the command line, without iostreams:
// a worksheet of many triples is read with few read(2) calls and written with few
// write(2) calls, whatever the descriptors are (a file, a pipe, a terminal).
//
// Output collects text and writes it once a chunk has gathered, when asked to, and before
// the program waits for more input, so that a person typing triples at a terminal sees
// each report as soon as the line is entered. Standard error is written through an
// Output that first flushes standard output, so that both keep their order when they go
// to the same place.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace app
{

class Output
{
public:
    // Writes to `fd`; `before`, when given, is flushed before every write of this one.
    explicit Output(int fd, Output *before = nullptr);

    // The text not yet written: append to it, then call Spill.
    std::string &Pending() { return pending_; }
    // Writes the pending text once a chunk has gathered.
    void Spill()
    {
        if (pending_.size() >= kChunk)
            Flush();
    }
    void Write(std::string_view text)
    {
        pending_ += text;
        Spill();
    }
    // Writes all pending text; false once any write has failed. After a failure the
    // text is dropped, as there is nowhere for it to go.
    bool Flush();
    bool Failed() const { return failed_; }
    // Whether it writes to a terminal, where a binary file is of no use.
    bool Terminal() const;

    static constexpr std::size_t kChunk = std::size_t{64} * 1024;

private:
    int fd_;
    Output *before_;
    bool failed_ = false;
    std::string pending_;
};

// Splits what is read from a descriptor into lines, each without its line end: LF, CR LF
// or a CR alone (a file saved on Windows or on an old Mac, a text pasted from either);
// a last line without one counts too. Lines may be of any length. A line that ends in a
// CR is given at once, whether an LF follows or not, so a CR at the end of what has come
// so far keeps no one waiting.
class LineReader
{
public:
    // Reads from `fd`; `flushFirst`, when given, is flushed before each read.
    explicit LineReader(int fd, Output *flushFirst = nullptr);

    // The next line, valid until the next call; false at the end of the input or when
    // reading failed (then Failed is true).
    bool Next(std::string_view &line);
    bool Failed() const { return failed_; }

private:
    // Reads more input behind the unread bytes; false at the end or on failure.
    bool Fill();

    int fd_;
    Output *flushFirst_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0; // the unread bytes are [begin_, end_)
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    bool afterReturn_ = false; // the last line ended in a CR: an LF next belongs to it
};

} // namespace app
