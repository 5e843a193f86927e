#include "docx_package.h"

#include <zip.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace worksheet
{
namespace
{

// Every part's time in the archive: the same document from the same worksheet, byte for
// byte. 1 January 2000, 00:00, in MS-DOS's format.
constexpr zip_uint16_t kDosTime = 0;
constexpr zip_uint16_t kDosDate = (2000 - 1980) << 9 | 1 << 5 | 1;

constexpr std::size_t kPiece = std::size_t{64} * 1024;

// How hard deflate tries: the least, as the parts are XML, which even so shrinks to a
// tenth or less, and zlib's default level took most of a document's time.
constexpr zip_uint32_t kLevel = 1;

// A file in the temporary folder ($TMPDIR, or /tmp) without a name: O_TMPFILE where the
// file system has it, otherwise a new name removed at once.
int OpenScratch()
{
    const char *folder = std::getenv("TMPDIR");
    std::string path = folder != nullptr && *folder != '\0' ? folder : "/tmp";
    int fd = open(path.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    path += "/bisectors-XXXXXX";
    fd = mkostemp(path.data(), O_CLOEXEC);
    if (fd >= 0)
        unlink(path.c_str());
    return fd;
}

} // namespace

ScratchFile::ScratchFile() : fd_(OpenScratch()) {}

ScratchFile::~ScratchFile()
{
    if (fd_ >= 0)
        close(fd_);
}

void ScratchFile::Append(std::string_view bytes)
{
    while (Good() && !bytes.empty()) {
        const ssize_t written = pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(size_));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            failed_ = true;
            return;
        }
        size_ += static_cast<std::uint64_t>(written);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool ScratchFile::Read(std::uint64_t offset, std::size_t length, std::string &out) const
{
    const std::size_t start = out.size();
    out.resize(start + length);
    std::size_t got = 0;
    while (got < length) {
        const ssize_t read =
            pread(fd_, out.data() + start + got, length - got, static_cast<off_t>(offset + got));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            break;
        got += static_cast<std::size_t>(read);
    }
    out.resize(start + got);
    return got == length;
}

// libzip reads a part from its temporary file, and writes the archive to another, through
// callbacks on a region of a file: [offset, offset + length) to read, or, for the archive,
// the whole file, read and written.
struct DocxPackage::Region {
    const ScratchFile *file = nullptr; // read only
    int fd = -1;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::uint64_t position = 0;
    std::uint64_t written = 0; // the archive: what the writing so far holds
    zip_error_t error{};

    zip_int64_t Fail(int code, int system = 0)
    {
        zip_error_set(&error, code, system);
        return -1;
    }

    zip_int64_t Read(void *data, zip_uint64_t size)
    {
        const zip_uint64_t wanted = std::min(size, length - std::min(position, length));
        std::size_t got = 0;
        while (got < wanted) {
            const ssize_t read = pread(fd, static_cast<char *>(data) + got, wanted - got,
                                       static_cast<off_t>(offset + position + got));
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0)
                return Fail(ZIP_ER_READ, read < 0 ? errno : EIO);
            got += static_cast<std::size_t>(read);
        }
        position += got;
        return static_cast<zip_int64_t>(got);
    }

    zip_int64_t Write(const void *data, zip_uint64_t size)
    {
        std::size_t put = 0;
        while (put < size) {
            const ssize_t wrote = pwrite(fd, static_cast<const char *>(data) + put, size - put,
                                         static_cast<off_t>(position + put));
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0)
                return Fail(ZIP_ER_WRITE, wrote < 0 ? errno : ENOSPC);
            put += static_cast<std::size_t>(wrote);
        }
        position += put;
        written = std::max(written, position);
        return static_cast<zip_int64_t>(put);
    }

    zip_int64_t Seek(void *data, zip_uint64_t size, std::uint64_t end)
    {
        const zip_int64_t to = zip_source_seek_compute_offset(position, end, data, size, &error);
        if (to >= 0)
            position = static_cast<std::uint64_t>(to);
        return to < 0 ? -1 : 0;
    }
};

namespace
{

using Region = DocxPackage::Region;

zip_int64_t Callback(void *user, void *data, zip_uint64_t size, zip_source_cmd_t command)
{
    Region &r = *static_cast<Region *>(user);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        r.position = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return r.Read(data, size);
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE: // the package owns the region
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, size, &r.error);
        if (stat == nullptr)
            return -1;
        zip_stat_init(stat);
        stat->size = r.length;
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&r.error, data, size);
    case ZIP_SOURCE_SEEK:
        return r.Seek(data, size, r.length);
    case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(r.position);
    case ZIP_SOURCE_BEGIN_WRITE:
        r.position = r.written = 0;
        return ftruncate(r.fd, 0) == 0 ? 0 : r.Fail(ZIP_ER_WRITE, errno);
    case ZIP_SOURCE_WRITE:
        return r.Write(data, size);
    case ZIP_SOURCE_SEEK_WRITE:
        return r.Seek(data, size, r.written);
    case ZIP_SOURCE_TELL_WRITE:
        return static_cast<zip_int64_t>(r.position);
    case ZIP_SOURCE_COMMIT_WRITE:
        r.length = r.written;
        return 0;
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE:
        r.length = r.written = 0;
        return 0;
    case ZIP_SOURCE_ACCEPT_EMPTY:
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return r.file != nullptr
                   ? zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                    ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                    ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1)
                   : ZIP_SOURCE_SUPPORTS_WRITABLE |
                         zip_source_make_command_bitmap(ZIP_SOURCE_ACCEPT_EMPTY, -1);
    default:
        return r.Fail(ZIP_ER_OPNOTSUPP);
    }
}

std::string LibzipProblem(zip_error_t *error)
{
    std::string problem = "пакетът на документа не може да бъде направен: ";
    problem += zip_error_strerror(error);
    return problem;
}

} // namespace

DocxPackage::DocxPackage() = default;
DocxPackage::~DocxPackage() = default;

void DocxPackage::AddPart(std::string name, std::string text)
{
    parts_.emplace_back(std::move(name), std::move(text));
}

std::string DocxPackage::Pack()
{
    archive_ = std::make_unique<ScratchFile>();
    ScratchFile &archiveFile = *archive_;
    if (!main_.Good() || !archiveFile.Good())
        return "временен файл за документа не може да бъде създаден или записан";

    // The regions libzip reads, which must stay where they are until it is done.
    std::deque<Region> regions;
    Region &archiveRegion = regions.emplace_back();
    archiveRegion.fd = archiveFile.Descriptor();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *target = zip_source_function_create(Callback, &archiveRegion, &error);
    zip_t *archive = target != nullptr
                         ? zip_open_from_source(target, ZIP_CREATE | ZIP_TRUNCATE, &error)
                         : nullptr;
    if (archive == nullptr) {
        zip_source_free(target);
        std::string problem = LibzipProblem(&error);
        zip_error_fini(&error);
        return problem;
    }

    bool added = true;
    const auto add = [&](const std::string &name, zip_source_t *source) {
        const zip_int64_t index =
            source != nullptr ? zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(source);
            added = false;
            return;
        }
        const auto at = static_cast<zip_uint64_t>(index);
        added = added && zip_file_set_dostime(archive, at, kDosTime, kDosDate, 0) == 0 &&
                zip_set_file_compression(archive, at, ZIP_CM_DEFLATE, kLevel) == 0;
    };
    const auto fromFile = [&](const ScratchFile &file, std::uint64_t offset, std::uint64_t length) {
        Region &region = regions.emplace_back();
        region.file = &file;
        region.fd = file.Descriptor();
        region.offset = offset;
        region.length = length;
        return zip_source_function(archive, Callback, &region);
    };
    for (const auto &[name, text] : parts_)
        add(name, zip_source_buffer(archive, text.data(), text.size(), 0));
    add(mainName_, fromFile(main_, 0, main_.Size()));
    if (!added || zip_close(archive) != 0) {
        std::string problem = LibzipProblem(zip_get_error(archive));
        zip_discard(archive);
        zip_error_fini(&error);
        return problem;
    }
    zip_error_fini(&error);
    archiveSize_ = archiveRegion.length;
    return {};
}

Ending DocxPackage::Write(std::string &out)
{
    if (!archive_)
        if (std::string problem = Pack(); !problem.empty())
            return {.more = false, .problem = std::move(problem)};
    const auto length =
        static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, archiveSize_ - passed_));
    if (!archive_->Read(passed_, length, out))
        return {.more = false, .problem = "временният файл на документа не може да бъде прочетен"};
    passed_ += length;
    return {.more = passed_ < archiveSize_, .problem = {}};
}

} // namespace worksheet
