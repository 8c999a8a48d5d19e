#include "formats/NativeMapFile.h"

#include "formats/Archive.h"
#include "model/CZephyrmapDoc.h"
#include "model/Messages.h"
#include "services/paths/LocalFile.h"

namespace native
{
namespace
{

const char kHeader[] = "Zephyrmap! ClickableMapDataFile";
const char kClassName[] = "CMapData";
constexpr std::int32_t kVersion = 2;
constexpr std::size_t kSmallestArea = 15; // class tag and an empty schema-1 body
constexpr std::size_t kPointSize = 8;     // int32 x, int32 y
constexpr std::size_t kInt32Size = 4;

// An area's texts as the archive stores them.
struct AreaTexts {
    explicit AreaTexts(const CMapData& area)
        : href(area.m_href), target(area.m_target), alt(area.m_alt), other(area.m_otherAttrs)
    {
    }
    std::size_t Size() const { return href.Size() + target.Size() + alt.Size() + other.Size(); }

    ArchiveText href, target, alt, other;
};

// What WriteArea writes for the area, class tag aside.
std::size_t AreaSize(const CMapData& area, const AreaTexts& texts)
{
    const auto count = static_cast<std::uint32_t>(area.m_points.size());
    return ArchiveWriter::CountSize(count) + kPointSize * count + 3 * kInt32Size + texts.Size();
}

// The area body: schema 2 is written; schema 1 stops after the path flag.
// Its room is claimed at once, so that each field is stored unchecked.
void WriteArea(ArchiveWriter& ar, const CMapData& area)
{
    const AreaTexts texts(area);
    char* p = ar.Claim(AreaSize(area, texts));
    p = ArchiveWriter::PutCount(p, static_cast<std::uint32_t>(area.m_points.size()));
    for (const Point& point : area.m_points) {
        p = ArchiveWriter::PutInt32(p, point.x);
        p = ArchiveWriter::PutInt32(p, point.y);
    }
    p = ArchiveWriter::PutInt32(p, area.m_shape);
    p = texts.href.Put(p);
    p = texts.target.Put(p);
    p = texts.alt.Put(p);
    p = ArchiveWriter::PutInt32(p, area.m_hrefIsPath);
    p = texts.other.Put(p);
    ArchiveWriter::PutInt32(p, area.m_noHref);
}

// Room for the whole file, so that it is written in one pass without
// moving: the areas' own sizes, guessed from the first few (walking them
// all costs as much again as writing them, in cache misses), with a margin.
std::size_t SizeEstimate(const CZephyrmapDoc& doc)
{
    constexpr int kSampledAreas = 16;
    constexpr std::size_t kFixedPart = 1024; // version, header, class name, the ten strings mostly
    std::size_t sampled = 0;
    int count = 0;
    for (const auto& area : doc.Areas()) {
        if (count == kSampledAreas)
            break;
        sampled += ArchiveWriter::kLargestTag + AreaSize(*area, AreaTexts(*area));
        ++count;
    }
    const std::size_t perArea = count ? sampled / count : 0;
    std::size_t strings = 0;
    for (const MapAttributeInfo& info : kMapAttributes)
        strings += ArchiveText(doc.Attribute(info.index)).Size();
    return kFixedPart + strings + (perArea + perArea / 4) * static_cast<std::size_t>(doc.AreaCount());
}

// The points, decoded from one block of the archive.
void ReadPoints(ArchiveReader& ar, PointList& points)
{
    const std::uint32_t count = ar.Count(kPointSize);
    const std::uint8_t* block = ar.Block(kPointSize * count);
    if (!block)
        return;
    points.resize(count);
    for (Point& p : points) {
        p.x = ArchiveReader::Int32At(block);
        p.y = ArchiveReader::Int32At(block + kInt32Size);
        block += kPointSize;
    }
}

// Reads a body of the given schema into a new area, then rebuilds the
// region (nothing of it is stored). False when the bytes run out.
bool ReadArea(ArchiveReader& ar, int schema, CMapData& area)
{
    ReadPoints(ar, area.m_points);
    area.m_shape = ar.Int32();
    area.m_href = ar.Text();
    area.m_target = ar.Text();
    area.m_alt = ar.Text();
    area.m_hrefIsPath = ar.Int32();
    if (schema >= 2) {
        area.m_otherAttrs = ar.Text();
        area.m_noHref = ar.Int32();
    }
    area.BuildRegion();
    return !ar.Failed();
}

struct ReadMap {
    AreaList areas;
    std::string strings[kMapAttributeCount]; // in the stored order of kMapAttributes
};

bool ReadAreasAndStrings(ArchiveReader& ar, ReadMap& map)
{
    std::uint32_t count = ar.Count(kSmallestArea);
    for (std::uint32_t i = 0; i < count && !ar.Failed(); ++i) {
        int schema = ar.ClassTag(kClassName);
        if (schema < 1 || schema > 2)
            return false;
        auto area = std::make_unique<CMapData>();
        if (!ReadArea(ar, schema, *area))
            return false;
        map.areas.push_back(std::move(area));
    }
    for (std::string& s : map.strings)
        s = ar.Text();
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
    std::string header = ar.Text();
    if (ar.Failed())
        return LoadResult::Unexpected;
    if (header != kHeader)
        return LoadResult::NotOurFormat;
    if (version > kVersion)
        return LoadResult::NewerVersion;
    if (version < kVersion)
        return LoadResult::Ok; // never written: nothing further to read
    return ReadAreasAndStrings(ar, map) ? LoadResult::Ok : LoadResult::Unexpected;
}

void Encode(const CZephyrmapDoc& doc, ArchiveWriter& ar)
{
    ar.Reserve(SizeEstimate(doc));
    ar.Int32(kVersion);
    ar.Text(kHeader);
    ar.Count(static_cast<std::uint32_t>(doc.AreaCount()));
    for (const auto& area : doc.Areas()) {
        ar.ClassTag(kClassName, 2);
        WriteArea(ar, *area);
    }
    for (const MapAttributeInfo& info : kMapAttributes)
        ar.Text(doc.Attribute(info.index));
}

} // namespace

std::string SaveToBytes(const CZephyrmapDoc& doc)
{
    ArchiveWriter ar;
    Encode(doc, ar);
    return ar.TakeBytes();
}

bool SaveToFile(const CZephyrmapDoc& doc, const std::filesystem::path& path, std::string& reason)
{
    ArchiveWriter ar;
    Encode(doc, ar);
    return localfile::WriteFileAtomically(path, ar.Bytes(), reason);
}

LoadResult LoadFromBytes(CZephyrmapDoc& doc, const std::string& bytes)
{
    ReadMap map;
    LoadResult result = Parse(bytes, map);
    doc.DeleteContents();
    doc.SetLoadRejected(result != LoadResult::Ok && result != LoadResult::OldLayout);
    if (doc.IsLoadRejected())
        return result;
    doc.AppendAreas(map.areas);
    for (std::size_t i = 0; i < kMapAttributes.size(); ++i)
        doc.SetAttribute(kMapAttributes[i].index, map.strings[i]);
    doc.ShowAreaCount();
    return result;
}

LoadResult LoadFromFile(CZephyrmapDoc& doc, const std::filesystem::path& path)
{
    std::string bytes, reason;
    if (!localfile::ReadWholeFile(path, bytes, reason))
        return LoadResult::CannotOpen;
    return LoadFromBytes(doc, bytes);
}

std::string MessageFor(LoadResult result)
{
    switch (result) {
    case LoadResult::OldLayout:
        return texts::OldVersionWarning();
    case LoadResult::CannotOpen:
        return texts::CannotOpenFile();
    case LoadResult::NotOurFormat:
        return texts::NotOurFormat();
    case LoadResult::NewerVersion:
        return texts::NewerVersion();
    case LoadResult::Unexpected:
        return texts::UnexpectedFormat();
    default:
        return std::string();
    }
}

} // namespace native
