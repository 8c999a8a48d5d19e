#pragma once
// The file system. Paths are the file system's own (std::filesystem::path:
// bytes on Linux, UTF-16 on Windows); the program's texts that name files (a
// map's picture, its page, a link) become such paths through PathOf, here
// and nowhere else, so that any name the system allows reaches its file.
// Whole files are read and saved here too, so that every reader is bounded
// and every save is atomic in the same way.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace localfile
{

// A path named in the program's text (UTF-8) as the system's own.
std::filesystem::path PathOf(std::string_view text);
// A path as the program's text, for a map's strings and for showing it.
std::string TextOf(const std::filesystem::path& path);
// Whether a path names its file by bytes that are not UTF-8, which Linux
// allows in a name but the program's texts (UTF-8, as maps store them and
// pages get them) could hold only changed, so that the map would lose its
// file: the text itself is not UTF-8 (a name on the command line), or it
// holds U+FFFD, as Qt shows such bytes, in a part of the path that names
// nothing.
bool HasUnreadableName(std::string_view path);

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

// A text names a file only through PathOf: on Windows a plain string would
// be taken in the system's code page.
void OpenForRead(const std::string&) = delete;
void IsRegularFile(const std::string&) = delete;
void FileSize(const std::string&) = delete;
void ReadHead(const std::string&, std::size_t, std::string&) = delete;
void ReadWholeFile(const std::string&, std::string&, std::string&, std::size_t = 0) = delete;
void WriteFileAtomically(const std::string&, std::string_view, std::string&) = delete;

// Opened for reading in binary mode; empty when it cannot be opened.
FileHandle OpenForRead(const std::filesystem::path& path);
bool IsRegularFile(const std::filesystem::path& path);
// The length in bytes, or -1 when the file cannot be asked.
std::int64_t FileSize(const std::filesystem::path& path);
// The first `maxBytes` bytes (fewer when the file is shorter); false when the
// file cannot be opened or read, or is no regular file.
bool ReadHead(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes);

// The most a whole-file read takes in: far more than any page or map file,
// and a refusal instead of an allocation as large as a broken file claims.
inline constexpr std::size_t kReadLimit = std::size_t(256) << 20;

// Reads a whole regular file. The size the system reports is never trusted:
// the bytes are read until the end, and a file that passes `limit` is
// refused. A directory, a device or a pipe is refused too. False with the
// system's reason (or ours) in `reason`; `bytes` is then empty.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& reason,
                   std::size_t limit = kReadLimit);

// How a save treats a symbolic link at its path. A document saved through a
// link updates the file the link leads to, and the link stays; a file the
// program makes for itself (a backup) replaces whatever has its name, so
// that a link planted there cannot send it elsewhere.
enum class SaveLinks { Follow, Replace };

// Saves `bytes` as the file at the path so that the old file stays whole
// until the new one is complete: they go into a temporary file beside it,
// created exclusively under a name no other save uses, flushed to the disk,
// then renamed over the target (which keeps its permissions and, where the
// system allows, its owner; other hard links to the old file keep the old
// content). Following links, a save refuses a target that is no regular file
// (a folder, a device, a FIFO), a read-only one and links that loop. The
// temporary is removed on every failure. `reason` is the system's reason,
// never naming the temporary.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& reason,
                         SaveLinks links = SaveLinks::Follow);

} // namespace localfile
