#include "services/paths/LocalFile.h"

#include "services/text/Utf8Bridge.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace localfile
{
namespace
{

// Bytes asked of the system at a time while reading a whole file.
constexpr std::size_t kReadChunk = std::size_t(1) << 20;
// Names tried for a temporary before a save gives up.
constexpr int kTemporaryAttempts = 64;

std::string SystemReason(int error)
{
    return std::generic_category().message(error);
}

FileHandle OpenNativeForRead(const std::filesystem::path& path)
{
#ifdef _WIN32
    return FileHandle(_wfopen(path.c_str(), L"rb"));
#else
    // Without waiting: opening a named pipe would otherwise block until
    // something writes to it. Regular files read the same either way.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return FileHandle(file);
#endif
}

// Whether the open file is a regular file; `reason` says why not.
bool IsOpenRegularFile(std::FILE* file, std::string& reason)
{
#ifdef _WIN32
    struct _stat64 status;
    const bool asked = _fstat64(_fileno(file), &status) == 0;
    const bool directory = asked && (status.st_mode & _S_IFMT) == _S_IFDIR;
    const bool regular = asked && (status.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat status;
    const bool asked = fstat(fileno(file), &status) == 0;
    const bool directory = asked && S_ISDIR(status.st_mode);
    const bool regular = asked && S_ISREG(status.st_mode);
#endif
    if (!asked)
        reason = SystemReason(errno);
    else if (directory)
        reason = SystemReason(EISDIR);
    else if (!regular)
        reason = "not a regular file";
    return regular;
}

// The length the system gives for an open file; 0 when it gives none.
std::size_t ReportedSize(std::FILE* file)
{
#ifdef _WIN32
    struct _stat64 status;
    const bool asked = _fstat64(_fileno(file), &status) == 0;
#else
    struct stat status;
    const bool asked = fstat(fileno(file), &status) == 0;
#endif
    return asked && status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0;
}

std::string LimitReason(std::size_t limit)
{
    return "larger than " + std::to_string(limit >> 20) + " MB";
}

// ---- Saving ----

bool WriteAll(int fd, std::string_view bytes, std::string& reason)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const std::size_t piece = std::min<std::size_t>(bytes.size() - done, 1u << 30);
#ifdef _WIN32
        const auto written = _write(fd, bytes.data() + done, static_cast<unsigned>(piece));
#else
        const auto written = ::write(fd, bytes.data() + done, piece);
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            reason = SystemReason(written < 0 ? errno : EIO);
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Flushed to the disk and closed; `fd` is -1 afterwards whatever happened.
bool FlushAndClose(int& fd, std::string& reason)
{
#ifdef _WIN32
    const bool flushed = _commit(fd) == 0;
    const int flushError = errno;
    const bool closed = _close(fd) == 0;
#else
    const bool flushed = ::fsync(fd) == 0;
    const int flushError = errno;
    const bool closed = ::close(fd) == 0;
#endif
    const int closeError = errno;
    fd = -1;
    if (!flushed || !closed) {
        reason = SystemReason(!flushed ? flushError : closeError);
        return false;
    }
    return true;
}

// An open file descriptor of a temporary, closed and removed unless kept.
class Temporary
{
public:
    ~Temporary() { Discard(); }

    // A new file beside `target`, which no other save can have made:
    // exclusively created under a random name. False with the reason.
    bool Create(const std::filesystem::path& target, std::string& reason);
    bool Write(std::string_view bytes, std::string& reason);
    // Flushed to the disk and closed, then renamed over the target.
    bool Commit(const std::filesystem::path& target, std::string& reason);

private:
    void Discard();

    std::filesystem::path m_path;
    int m_fd = -1;
};

// "NAME~XXXXXXXX.tmp": visible beside its target, so that one left by a
// save that was killed is plain to see, and recognisably the target's.
std::filesystem::path TemporaryName(const std::filesystem::path& target)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string tag;
    for (int i = 0; i < 8; ++i)
        tag += kLetters[random() % (sizeof kLetters - 1)];
    std::filesystem::path name = target.filename();
    name += "~" + tag + ".tmp";
    return target.parent_path() / name;
}

int OpenExclusively(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
}

// The target's permissions and owner go to its replacement (the owner only
// where the system lets us); a new file keeps the usual ones.
void KeepPermissions(int fd, const std::filesystem::path& target)
{
#ifndef _WIN32
    struct stat status;
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        (void)::fchown(fd, status.st_uid, status.st_gid);
        (void)::fchmod(fd, status.st_mode & 07777);
    }
#else
    (void)fd;
    (void)target;
#endif
}

bool Temporary::Create(const std::filesystem::path& target, std::string& reason)
{
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        m_path = TemporaryName(target);
        m_fd = OpenExclusively(m_path);
        if (m_fd >= 0) {
            KeepPermissions(m_fd, target);
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    reason = SystemReason(errno);
    m_path.clear();
    return false;
}

bool Temporary::Write(std::string_view bytes, std::string& reason)
{
    return WriteAll(m_fd, bytes, reason);
}

bool Temporary::Commit(const std::filesystem::path& target, std::string& reason)
{
    if (!FlushAndClose(m_fd, reason))
        return false;
    std::error_code ec;
    std::filesystem::rename(m_path, target, ec);
    if (ec) {
        reason = ec.message();
        return false;
    }
    m_path.clear();
    return true;
}

void Temporary::Discard()
{
    if (m_fd >= 0) {
#ifdef _WIN32
        _close(m_fd);
#else
        ::close(m_fd);
#endif
        m_fd = -1;
    }
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        m_path.clear();
    }
}

// The folder's own entry is flushed too, so that the rename survives a crash;
// where that cannot be done the save still stands.
void SyncFolderOf(const std::filesystem::path& target)
{
#ifndef _WIN32
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
#else
    (void)target;
#endif
}

#ifndef _WIN32
constexpr int kLinkHops = 40; // as the system follows them

// Where a save really goes: through symbolic links to the file they lead to,
// so that a link stays a link. False for links that loop.
bool FollowLinks(std::filesystem::path& path, std::string& reason)
{
    for (int hop = 0; hop < kLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)))
            return true;
        const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
        if (ec) {
            reason = ec.message();
            return false;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    reason = SystemReason(ELOOP);
    return false;
}

// Only a regular file that may be written is replaced: a device, a FIFO or a
// folder by that name is no document, and a read-only file says "keep me".
bool MayReplace(const std::filesystem::path& target, std::string& reason)
{
    struct stat status;
    if (::stat(target.c_str(), &status) != 0)
        return true; // a new file, or one the writing itself will report on
    if (!S_ISREG(status.st_mode)) {
        reason = S_ISDIR(status.st_mode) ? SystemReason(EISDIR) : "not a regular file";
        return false;
    }
    if (::access(target.c_str(), W_OK) != 0) {
        reason = SystemReason(errno);
        return false;
    }
    return true;
}

#endif

} // namespace

std::filesystem::path PathOf(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string TextOf(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool HasUnreadableName(std::string_view path)
{
    if (!utf8::IsValid(path))
        return true;
    constexpr std::string_view kShownForBytes = "\xEF\xBF\xBD"; // U+FFFD
    const std::size_t shown = path.find(kShownForBytes);
    if (shown == std::string_view::npos)
        return false;
#ifdef _WIN32
    constexpr std::string_view kSeparators = "/\\";
#else
    constexpr std::string_view kSeparators = "/";
#endif
    // The first part of the path holding it: a folder or the file itself.
    const std::size_t partEnd = path.find_first_of(kSeparators, shown);
    std::error_code ec;
    return !std::filesystem::exists(PathOf(path.substr(0, partEnd)), ec);
}

FileHandle OpenForRead(const std::filesystem::path& path)
{
    return OpenNativeForRead(path);
}

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::int64_t FileSize(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<std::int64_t>(size);
}

bool ReadHead(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    FileHandle file = OpenForRead(path);
    std::string reason;
    if (!file || !IsOpenRegularFile(file.get(), reason))
        return false;
    bytes.resize(maxBytes);
    const std::size_t got = std::fread(bytes.data(), 1, maxBytes, file.get());
    bytes.resize(got);
    return got == maxBytes || !std::ferror(file.get());
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& reason, std::size_t limit)
{
    bytes.clear();
    FileHandle file = OpenNativeForRead(path);
    if (!file) {
        reason = SystemReason(errno);
        return false;
    }
    if (!IsOpenRegularFile(file.get(), reason))
        return false;
    // The size the system reports only sizes the first read, so that a file
    // that stays as it is comes in at once, without moving; one byte more
    // asks whether it ends there.
    std::size_t room = std::min(ReportedSize(file.get()), limit) + 1;
    for (;;) {
        const std::size_t had = bytes.size();
        // One byte past the limit tells a file of exactly `limit` bytes from a longer one.
        room = std::min(room, limit + 1 - had);
        bytes.resize(had + room);
        const std::size_t got = std::fread(bytes.data() + had, 1, room, file.get());
        bytes.resize(had + got);
        if (bytes.size() > limit) {
            bytes.clear();
            reason = LimitReason(limit);
            return false;
        }
        if (got < room)
            break;
        room = kReadChunk;
    }
    if (std::ferror(file.get())) {
        reason = SystemReason(errno);
        bytes.clear();
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& reason,
                         SaveLinks links)
{
    std::filesystem::path target = path;
#ifndef _WIN32
    if (links == SaveLinks::Follow && (!FollowLinks(target, reason) || !MayReplace(target, reason)))
        return false;
#else
    (void)links;
#endif
    Temporary temporary;
    if (!temporary.Create(target, reason) || !temporary.Write(bytes, reason) || !temporary.Commit(target, reason))
        return false;
    SyncFolderOf(target);
    return true;
}

} // namespace localfile
