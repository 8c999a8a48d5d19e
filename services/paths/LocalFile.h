#pragma once
// The file system seen from program (Shift-JIS) paths: names are converted to
// the platform's own file-name encoding here and nowhere else. Whole files are
// read and saved here too, so that every reader is bounded and every save is
// atomic in the same way.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace localfile
{

std::filesystem::path NativePath(const std::string& sjisPath);

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

// Opened for reading in binary mode; empty when it cannot be opened.
FileHandle OpenForRead(const std::string& sjisPath);
bool IsRegularFile(const std::string& sjisPath);
// The length in bytes, or -1 when the file cannot be asked.
std::int64_t FileSize(const std::string& sjisPath);
// The first `maxBytes` bytes (fewer when the file is shorter); false when the
// file cannot be opened or read, or is no regular file.
bool ReadHead(const std::string& sjisPath, std::size_t maxBytes, std::string& bytes);

// The most a whole-file read takes in: far more than any page or map file,
// and a refusal instead of an allocation as large as a broken file claims.
inline constexpr std::size_t kReadLimit = std::size_t(256) << 20;

// Reads a whole regular file. The size the system reports is never trusted:
// the bytes are read until the end, and a file that passes `limit` is
// refused. A directory, a device or a pipe is refused too. False with the
// system's reason (or ours) in `reason`; `bytes` is then empty.
bool ReadWholeFile(const std::string& sjisPath, std::string& bytes, std::string& reason,
                   std::size_t limit = kReadLimit);
bool ReadWholeNativeFile(const std::filesystem::path& path, std::string& bytes, std::string& reason,
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
// temporary is removed on every failure. `error` names the target and the
// system's reason, never the temporary.
bool WriteFileAtomically(const std::string& sjisPath, std::string_view bytes, std::string& error);
// The same for a path in the platform's own terms; `reason` is the system's
// reason alone.
bool WriteNativeFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& reason,
                               SaveLinks links = SaveLinks::Follow);

} // namespace localfile
