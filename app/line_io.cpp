#include "line_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace app
{

Output::Output(int fd, Output *before) : fd_(fd), before_(before)
{
    pending_.reserve(kChunk + 4096);
}

bool Output::Terminal() const
{
    return isatty(fd_) != 0;
}

bool Output::Flush()
{
    if (before_)
        before_->Flush();
    const char *data = pending_.data();
    std::size_t left = failed_ ? 0 : pending_.size();
    while (left > 0) {
        const ssize_t written = write(fd_, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            failed_ = true;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    pending_.clear();
    return !failed_;
}

LineReader::LineReader(int fd, Output *flushFirst)
    : fd_(fd), flushFirst_(flushFirst), buffer_(new char[Output::kChunk]), capacity_(Output::kChunk)
{
}

bool LineReader::Fill()
{
    if (atEnd_)
        return false;
    // The unread bytes move to the front; a line longer than the buffer doubles it.
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    if (flushFirst_)
        flushFirst_->Flush();
    while (true) {
        const ssize_t got = read(fd_, buffer_.get() + end_, capacity_ - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        failed_ = got < 0;
        atEnd_ = true;
        return false;
    }
}

bool LineReader::Next(std::string_view &line)
{
    std::size_t searched = begin_;
    while (true) {
        if (afterReturn_ && begin_ < end_) {
            afterReturn_ = false;
            begin_ += buffer_[begin_] == '\n' ? 1 : 0;
            searched = std::max(searched, begin_);
        }
        const char *start = buffer_.get() + begin_;
        // One pass for either end (two memchr calls would go over a file of CRs alone to
        // its LF, far off, for every line); the solving of a line takes far longer.
        const char *from = buffer_.get() + searched;
        const char *stop = buffer_.get() + end_;
        const char *lineEnd =
            std::find_if(from, stop, [](char c) { return c == '\n' || c == '\r'; });
        if (lineEnd != stop) {
            const auto length = static_cast<std::size_t>(lineEnd - start);
            line = {start, length};
            begin_ += length + 1;
            afterReturn_ = *lineEnd == '\r';
            return true;
        }
        searched = end_ - begin_; // where the search goes on once Fill moved the bytes
        if (!Fill()) {
            if (begin_ == end_)
                return false;
            line = {buffer_.get() + begin_, end_ - begin_};
            begin_ = end_;
            return true;
        }
        searched += begin_;
    }
}

} // namespace app
