// Reading maps from a large page (ours at full and half size, beside
// libxml2's HTML parser collecting the same elements), putting a map back
// into a 20 MB page beside reading that page, and saving and loading a map of
// 100,000 areas beside a plain write and read of as many bytes, and beside
// the same bytes saved as durably as ours are (written to a temporary,
// flushed to the disk, renamed over the target) and read back. The last one
// is the fair peer: what ours costs beyond it is the encoding and the
// document's own areas, whose making and dropping alone is measured too.
#include "formats/HtmlReader.h"
#include "formats/NativeMapFile.h"
#include "formats/PageUpdate.h"
#include "model/CZephyrmapDoc.h"
#include "services/paths/LocalFile.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/Utf8Bridge.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef ZM_HAVE_LIBXML2
#include <libxml/HTMLparser.h>
#endif

namespace
{

std::string Page(int maps)
{
    std::string page = "<html><body>\n";
    for (int m = 0; m < maps; ++m) {
        std::string name = "map" + std::to_string(m);
        page += "<p><img src=\"img/p" + std::to_string(m) + ".png\" usemap=\"#" + name + "\" width=400 height=300>\n";
        page += "<map name=\"" + name + "\">\n";
        for (int a = 0; a < 20; ++a)
            page += "<area shape=\"rect\" coords=\"" + std::to_string(a) + ",10,120,140\" href=\"p" +
                    std::to_string(a) + ".html\" alt=\"area " + std::to_string(a) + "\" onmouseover=\"hi(" +
                    std::to_string(a) + ")\">\n";
        page += "</map></p>\n";
    }
    return page + "</body></html>\n";
}

void BM_OurReader(benchmark::State& state)
{
    const std::string page = Page(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(html::FindMaps(page).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_OurReader)->Arg(20000)->Arg(10000)->Arg(5000)->Arg(2500)->Unit(benchmark::kMillisecond);

#ifdef ZM_HAVE_LIBXML2
void Collect(xmlNode* node, std::size_t& count)
{
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE) {
            const char* n = reinterpret_cast<const char*>(node->name);
            if (!std::strcmp(n, "img") || !std::strcmp(n, "map") || !std::strcmp(n, "area"))
                ++count;
        }
        Collect(node->children, count);
    }
}

void BM_Libxml2Reader(benchmark::State& state)
{
    const std::string page = Page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        htmlDocPtr doc = htmlReadMemory(page.data(), static_cast<int>(page.size()), nullptr, "UTF-8",
                                        HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
        std::size_t count = 0;
        Collect(xmlDocGetRootElement(doc), count);
        benchmark::DoNotOptimize(count);
        xmlFreeDoc(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_Libxml2Reader)->Arg(10000)->Unit(benchmark::kMillisecond);
#endif

// A page of 10,000 maps (about 20 MB) as its bytes, read as the program reads
// a page: decoded by the page rule, its maps found.
const std::string& TwentyMegabytePage()
{
    static const std::string page = Page(10000);
    return page;
}

void BM_ReadPage(benchmark::State& state)
{
    const std::string& page = TwentyMegabytePage();
    for (auto _ : state)
        benchmark::DoNotOptimize(html::FindMaps(DecodeHtmlPage(page, 0).text).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ReadPage)->Unit(benchmark::kMillisecond);

// A Japanese page of about 20 MB: the same maps with Japanese ALT texts, and
// a paragraph of Japanese prose beside each, as UTF-8 and as Shift-JIS. Read
// as the program reads a page: decoded into its text, its maps found.
std::string JapanesePage()
{
    std::string page = "<html><body>\n";
    const std::string prose = "<p>地図のページです。エリアをクリックすると、それぞれの案内ページが開きます。"
                              "東京、大阪、名古屋、福岡の各支店の所在地と営業時間を掲載しています。</p>\n";
    for (int m = 0; page.size() < (std::size_t(20) << 20); ++m) {
        const std::string name = "map" + std::to_string(m);
        page += prose;
        page += "<p><img src=\"img/p" + std::to_string(m) + ".png\" usemap=\"#" + name + "\" alt=\"案内図\">\n";
        page += "<map name=\"" + name + "\">\n";
        for (int a = 0; a < 20; ++a)
            page += "<area shape=\"rect\" coords=\"" + std::to_string(a) + ",10,120,140\" href=\"p" +
                    std::to_string(a) + ".html\" alt=\"支店 " + std::to_string(a) + " の案内\">\n";
        page += "</map></p>\n";
    }
    return page + "</body></html>\n";
}

void ReadJapanesePage(benchmark::State& state, const std::string& page)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(html::FindMaps(DecodeHtmlPage(page, 0).text).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_ReadUtf8JapanesePage(benchmark::State& state)
{
    static const std::string page = JapanesePage();
    ReadJapanesePage(state, page);
}
BENCHMARK(BM_ReadUtf8JapanesePage)->Unit(benchmark::kMillisecond);

void BM_ReadShiftJisJapanesePage(benchmark::State& state)
{
    static const std::string page = utf8::Utf8ToSjis(JapanesePage());
    ReadJapanesePage(state, page);
}
BENCHMARK(BM_ReadShiftJisJapanesePage)->Unit(benchmark::kMillisecond);

// The same page with the map in its middle put back, one area moved.
void BM_UpdatePage(benchmark::State& state)
{
    const std::string& page = TwentyMegabytePage();
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    std::vector<FoundMap> maps = html::FindMaps(page);
    maps[5000].documentPath = "/web/index.html";
    html::BuildDocumentFromMap(doc, maps, 5000);
    for (Point& p : doc.AreaAt(3)->m_points)
        p.x += 1;
    PageUpdateTarget target;
    target.pagePath = "/web/index.html";
    for (auto _ : state) {
        PageUpdate update = html::UpdateMapInPage(page, target, doc, {});
        if (!update.Ok() || update.report.changedAreaTags != 1)
            state.SkipWithError("the map was not put back");
        benchmark::DoNotOptimize(update.bytes.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_UpdatePage)->Unit(benchmark::kMillisecond);

constexpr int kBigMapAreas = 100000;

void AppendBigMapAreas(CZephyrmapDoc& doc)
{
    for (int i = 0; i < kBigMapAreas; ++i) {
        auto a = std::make_unique<CMapData>();
        a->m_shape = ShapePoly;
        a->m_points = {{i, 0}, {i + 10, 5}, {i, 10}};
        a->m_href = "/web/page" + std::to_string(i) + ".html";
        a->m_alt = "area";
        a->BuildRegion();
        doc.AppendArea(std::move(a));
    }
}

const std::string& BigMapFile()
{
    static const std::string bytes = [] {
        AppSettings settings;
        CZephyrmapDoc doc(settings);
        AppendBigMapAreas(doc);
        return native::SaveToBytes(doc);
    }();
    return bytes;
}

const std::string kPath = (std::filesystem::temp_directory_path() / "zm-bench.zmf").string();

void BM_NativeSaveLoad(benchmark::State& state)
{
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    native::LoadFromBytes(doc, BigMapFile());
    for (auto _ : state) {
        std::string error;
        native::SaveToFile(doc, kPath, error);
        CZephyrmapDoc back(settings);
        benchmark::DoNotOptimize(native::LoadFromFile(back, kPath));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BigMapFile().size()));
}
BENCHMARK(BM_NativeSaveLoad)->Unit(benchmark::kMillisecond);

// The two halves of the above without the file: the encoding of the map,
// and its decoding into a new document, dropped again.
void BM_NativeEncode(benchmark::State& state)
{
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    native::LoadFromBytes(doc, BigMapFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(native::SaveToBytes(doc).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BigMapFile().size()));
}
BENCHMARK(BM_NativeEncode)->Unit(benchmark::kMillisecond);

void BM_NativeDecodeAndDrop(benchmark::State& state)
{
    AppSettings settings;
    CZephyrmapDoc keep(settings); // as in a save and load, another map stays open
    native::LoadFromBytes(keep, BigMapFile());
    for (auto _ : state) {
        CZephyrmapDoc back(settings);
        benchmark::DoNotOptimize(native::LoadFromBytes(back, BigMapFile()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BigMapFile().size()));
}
BENCHMARK(BM_NativeDecodeAndDrop)->Unit(benchmark::kMillisecond);

void BM_PlainWriteRead(benchmark::State& state)
{
    const std::string& bytes = BigMapFile();
    for (auto _ : state) {
        std::ofstream(kPath, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::ifstream in(kPath, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        benchmark::DoNotOptimize(all.str().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainWriteRead)->Unit(benchmark::kMillisecond);

bool WriteDurably(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    return ok && std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool ReadBack(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0)
        return false;
    bytes.resize(static_cast<std::size_t>(status.st_size));
    const bool ok = ::read(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(fd);
    return ok;
}

void BM_PlainWriteFsyncRead(benchmark::State& state)
{
    const std::string& bytes = BigMapFile();
    for (auto _ : state) {
        std::string back;
        if (!WriteDurably(kPath, bytes) || !ReadBack(kPath, back))
            state.SkipWithError("the plain save failed");
        benchmark::DoNotOptimize(back.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainWriteFsyncRead)->Unit(benchmark::kMillisecond);

// The same bytes through the program's own file layer, which also flushes
// the folder after the rename and keeps the target's owner and permissions.
void BM_OwnWriteFsyncRead(benchmark::State& state)
{
    const std::string& bytes = BigMapFile();
    for (auto _ : state) {
        std::string back, error;
        if (!localfile::WriteFileAtomically(localfile::PathOf(kPath), bytes, error) ||
            !localfile::ReadWholeFile(localfile::PathOf(kPath), back, error))
            state.SkipWithError("the save failed");
        benchmark::DoNotOptimize(back.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_OwnWriteFsyncRead)->Unit(benchmark::kMillisecond);

// The same areas made in a document and dropped with it, without a file:
// the part of a load that no file format can save.
void BM_DocumentMakeAndDrop(benchmark::State& state)
{
    AppSettings settings;
    for (auto _ : state) {
        CZephyrmapDoc doc(settings);
        AppendBigMapAreas(doc);
        benchmark::DoNotOptimize(doc.AreaCount());
    }
}
BENCHMARK(BM_DocumentMakeAndDrop)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
