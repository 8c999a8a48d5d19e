#pragma once
// The file system seen from program (Shift-JIS) paths: names are converted to
// the platform's own file-name encoding here and nowhere else.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

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
// file cannot be opened or read.
bool ReadHead(const std::string& sjisPath, std::size_t maxBytes, std::string& bytes);

} // namespace localfile
