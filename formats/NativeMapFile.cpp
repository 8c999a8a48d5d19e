#include "formats/NativeMapFile.h"

#include "formats/Archive.h"
#include "model/CZephyrmapDoc.h"
#include "model/Messages.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace native {
namespace {

const char kHeader[] = "Zephyrmap! ClickableMapDataFile";
const char kClassName[] = "CMapData";
constexpr std::int32_t kVersion = 2;
constexpr std::size_t kSmallestArea = 15;  // class tag and an empty schema-1 body

std::string* Field(CZephyrmapDoc& doc, int i)
{
    std::string* fields[] = {&doc.m_mapName, &doc.m_imageSrc, &doc.m_htmlPath, &doc.m_imgAlt, &doc.m_border,
                             &doc.m_align,   &doc.m_hspace,   &doc.m_vspace,   &doc.m_height, &doc.m_width};
    return fields[i];
}

struct ReadMap {
    std::vector<std::unique_ptr<CMapData>> areas;
    std::string strings[10];
};

bool ReadAreasAndStrings(ArchiveReader& ar, ReadMap& map)
{
    std::uint32_t count = ar.Count(kSmallestArea);
    map.areas.reserve(count);  // the count is bounded by the bytes at hand
    for (std::uint32_t i = 0; i < count && !ar.Failed(); ++i) {
        int schema = ar.ClassTag(kClassName);
        if (schema < 1 || schema > 2)
            return false;
        auto area = std::make_unique<CMapData>();
        if (!area->Serialize(ar, schema))
            return false;
        map.areas.push_back(std::move(area));
    }
    for (std::string& s : map.strings)
        s = ar.String();
    return !ar.Failed();
}

LoadResult Parse(const std::string& bytes, ReadMap& map)
{
    ArchiveReader ar(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    std::int32_t version = ar.Int32();
    if (ar.Failed())
        return LoadResult::Unexpected;
    if (version < 0) {
        ArchiveReader old(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        return ReadAreasAndStrings(old, map) ? LoadResult::OldLayout : LoadResult::Unexpected;
    }
    std::string header = ar.String();
    if (ar.Failed())
        return LoadResult::Unexpected;
    if (header != kHeader)
        return LoadResult::NotOurFormat;
    if (version > kVersion)
        return LoadResult::NewerVersion;
    if (version < kVersion)
        return LoadResult::Ok;  // never written: nothing further to read
    return ReadAreasAndStrings(ar, map) ? LoadResult::Ok : LoadResult::Unexpected;
}

std::string TemporaryNameBeside(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    std::filesystem::path target(path);
    std::string name = "." + target.filename().string() + ".tmp" + std::to_string(counter++);
    return (target.parent_path() / name).string();
}

}  // namespace

namespace {

// Room for a typical file without walking the areas twice; a bigger one
// grows the buffer a few times.
std::size_t SizeEstimate(const CZephyrmapDoc& doc) { return 256 + 96 * static_cast<std::size_t>(doc.AreaCount()); }

}  // namespace

std::string SaveToBytes(const CZephyrmapDoc& doc)
{
    ArchiveWriter ar;
    ar.Reserve(SizeEstimate(doc));
    ar.Int32(kVersion);
    ar.String(kHeader);
    ar.Count(static_cast<std::uint32_t>(doc.AreaCount()));
    for (const auto& area : doc.Areas()) {
        ar.ClassTag(kClassName, 2);
        area->Serialize(ar);
    }
    auto& d = const_cast<CZephyrmapDoc&>(doc);
    for (int i = 0; i < 10; ++i)
        ar.String(*Field(d, i));
    return ar.TakeBytes();
}

bool SaveToFile(const CZephyrmapDoc& doc, const std::string& path, std::string& error)
{
    const std::string bytes = SaveToBytes(doc);
    const std::string temporary = TemporaryNameBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
            error = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = "cannot replace " + path + ": " + ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

LoadResult LoadFromBytes(CZephyrmapDoc& doc, const std::string& bytes)
{
    ReadMap map;
    LoadResult result = Parse(bytes, map);
    doc.DeleteContents();
    doc.m_loadRejected = result != LoadResult::Ok && result != LoadResult::OldLayout;
    if (doc.m_loadRejected)
        return result;
    for (auto& area : map.areas)
        doc.AppendArea(std::move(area));
    for (int i = 0; i < 10; ++i)
        *Field(doc, i) = std::move(map.strings[i]);
    doc.ShowAreaCount();
    return result;
}

LoadResult LoadFromFile(CZephyrmapDoc& doc, const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return LoadResult::CannotOpen;
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return LoadResult::CannotOpen;
    return LoadFromBytes(doc, bytes);
}

std::string MessageFor(LoadResult result)
{
    switch (result) {
    case LoadResult::OldLayout: return texts::OldVersionWarning();
    case LoadResult::CannotOpen: return texts::CannotOpenFile();
    case LoadResult::NotOurFormat: return texts::NotOurFormat();
    case LoadResult::NewerVersion: return texts::NewerVersion();
    case LoadResult::Unexpected: return texts::UnexpectedFormat();
    default: return std::string();
    }
}

}  // namespace native
