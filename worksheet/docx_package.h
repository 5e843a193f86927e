#pragma once

// The package of a document for Word and Writer: a zip archive of parts (Office Open
// XML's packaging), made with libzip. The part that grows with the worksheet, the main
// part with its drawings, waits in a temporary file, removed as it is made, and libzip
// reads it back as it compresses it into the archive, itself written to a temporary file
// and then passed on a piece at a time: a document of a thousand tasks is made in memory
// of a few megabytes. The small parts stay in memory.

#include "document.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

namespace worksheet
{

// A temporary file, written at its end, read anywhere; removed as it is made, so that it
// goes with its descriptor.
class ScratchFile
{
public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // False once the file could not be made or written.
    bool Good() const { return fd_ >= 0 && !failed_; }
    int Descriptor() const { return fd_; }
    std::uint64_t Size() const { return size_; }
    void Append(std::string_view bytes);
    // Bytes from `offset`, at most `length` of them, to `out`; false when reading failed.
    bool Read(std::uint64_t offset, std::size_t length, std::string &out) const;

private:
    int fd_;
    std::uint64_t size_ = 0;
    bool failed_ = false;
};

class DocxPackage
{
public:
    DocxPackage();
    ~DocxPackage();
    DocxPackage(const DocxPackage &) = delete;
    DocxPackage &operator=(const DocxPackage &) = delete;

    // The main part, at `name`, appended to as it is made (deflated in the archive).
    void AppendMain(std::string_view text) { main_.Append(text); }
    void SetMainName(std::string name) { mainName_ = std::move(name); }

    // A small part, kept in memory.
    void AddPart(std::string name, std::string text);

    // Packs the parts, the small ones first in the order added, then the main part, at the
    // first call, and appends the archive's next piece to `out` at each,
    // saying whether more follow.
    Ending Write(std::string &out);

    // A region of a temporary file that libzip reads as a part; public for libzip's
    // callback.
    struct Region;

private:
    ScratchFile main_;
    std::string mainName_;
    std::deque<std::pair<std::string, std::string>> parts_;
    // The archive once packed, and how much of it has been passed on.
    std::unique_ptr<ScratchFile> archive_;
    std::uint64_t archiveSize_ = 0;
    std::uint64_t passed_ = 0;

    // Packs the parts into archive_; returns why it could not, empty when it did.
    std::string Pack();
};

} // namespace worksheet
