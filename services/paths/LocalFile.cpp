#include "services/paths/LocalFile.h"

#include "services/text/Utf8Bridge.h"

#include <system_error>

namespace localfile
{

std::filesystem::path NativePath(const std::string& sjisPath)
{
#ifdef _WIN32
    const std::u16string wide = utf8::SjisToUtf16(sjisPath);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
#else
    return std::filesystem::path(utf8::SjisToUtf8(sjisPath));
#endif
}

FileHandle OpenForRead(const std::string& sjisPath)
{
#ifdef _WIN32
    return FileHandle(_wfopen(NativePath(sjisPath).c_str(), L"rb"));
#else
    return FileHandle(std::fopen(NativePath(sjisPath).c_str(), "rb"));
#endif
}

bool IsRegularFile(const std::string& sjisPath)
{
    std::error_code ec;
    return !sjisPath.empty() && std::filesystem::is_regular_file(NativePath(sjisPath), ec);
}

std::int64_t FileSize(const std::string& sjisPath)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(NativePath(sjisPath), ec);
    return ec ? -1 : static_cast<std::int64_t>(size);
}

bool ReadHead(const std::string& sjisPath, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    FileHandle file = OpenForRead(sjisPath);
    if (!file)
        return false;
    bytes.resize(maxBytes);
    const std::size_t got = std::fread(bytes.data(), 1, maxBytes, file.get());
    bytes.resize(got);
    return got == maxBytes || !std::ferror(file.get());
}

} // namespace localfile
