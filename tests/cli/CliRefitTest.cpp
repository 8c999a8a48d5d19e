// zephyrmap-cli refit: a map carried onto a new picture of its scene, the
// report, the map it writes, and the refusal of another scene.

#include "cli/CliApp.h"
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "services/language/ProgramTexts.h"
#include "services/refit/RefitTexts.h"
#include "services/settings/AppSettings.h"
#include "tests/cli/CliRun.h"
#include "tests/services/png/PngMaker.h"
#include "tests/services/refit/RefitScenes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace refitscenes;

namespace
{

constexpr int kWidth = 480, kHeight = 360;

std::string PngOf(const Picture& picture)
{
    std::vector<std::vector<std::uint8_t>> rows(picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t c = picture.bgrx[std::size_t(y) * picture.width + x];
            rows[y].insert(rows[y].end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        }
    }
    return PngMaker(picture.width, picture.height, 8, 2).Rows(rows).Bytes();
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of its own: the old picture, a map over it with a rectangle, a
// circle and a polygon, and the new pictures the tests make.
struct RefitFolder : ::testing::Test {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zmrefit-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Scene scene{kWidth, kHeight, 5};

    void SetUp() override
    {
        std::filesystem::create_directories(dir);
        Write("old.png", PngOf(scene.Draw()));
        AppSettings settings;
        CZephyrmapDoc doc(settings);
        doc.SetAttribute(AttrMapName, "park");
        doc.SetAttribute(AttrImageSrc, Path("old.png"));
        doc.SetAttribute(AttrWidth, std::to_string(kWidth));
        doc.SetAttribute(AttrHeight, std::to_string(kHeight));
        doc.EnsureDefaultArea();
        Add(doc, ShapeRect, {{100, 60}, {300, 60}, {300, 160}, {100, 160}});
        Add(doc, ShapeCirc, {{200, 200}, {280, 200}, {280, 280}, {200, 280}});
        Add(doc, ShapePoly, {{20, 300}, {90, 250}, {95, 340}});
        Write("map.zmf", native::SaveToBytes(doc));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static void Add(CZephyrmapDoc& doc, int shape, PointList points)
    {
        auto area = std::make_unique<CMapData>();
        area->m_shape = shape;
        area->m_points = std::move(points);
        doc.AppendArea(std::move(area));
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string NewPicture(const std::string& name, const PictureTransform& t, int width, int height) const
    {
        Write(name, PngOf(scene.Draw(t, width, height)));
        return Path(name);
    }
    std::string Dump(const std::string& map) const { return RunCli({"dump", map}).out; }
};

TEST_F(RefitFolder, CarriesTheMapOntoAHalfSizeCopy)
{
    const std::string half = NewPicture("half.png", PictureTransform::ScaleShift(0.5, 0.5), 240, 180);
    const CliOutcome r = RunCli({"refit", Path("map.zmf"), half, "-o", Path("out.zmf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("method: features\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("scale: 0.5 x 0.5\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("shift: 0, 0\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("outside: none\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("size: 240 x 180\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("written: " + Path("out.zmf") + "\n"), std::string::npos) << r.out;
    const std::string dump = Dump(Path("out.zmf"));
    EXPECT_NE(dump.find("\"coords\":\"50,30,150,80\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"coords\":\"120,120,20\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"coords\":\"10,150,45,125,48,170\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"imageSrc\":\"" + half + "\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"width\":\"240\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"height\":\"180\""), std::string::npos) << dump;
}

TEST_F(RefitFolder, WithoutAnOutputWritesOverTheMap)
{
    const std::string padded =
        NewPicture("padded.png", PictureTransform::ScaleShift(1, 1, 20, 10), kWidth + 40, kHeight + 20);
    ASSERT_EQ(RunCli({"refit", Path("map.zmf"), padded}).status, 0);
    EXPECT_NE(Dump(Path("map.zmf")).find("\"coords\":\"120,70,320,170\""), std::string::npos);
}

TEST_F(RefitFolder, JsonGivesTheTransformAndItsQuality)
{
    const std::string cropped =
        NewPicture("cropped.png", PictureTransform::ScaleShift(1, 1, -100, -100), kWidth - 100, kHeight - 100);
    const CliOutcome r = RunCli({"refit", Path("map.zmf"), cropped, "-o", Path("out.zmf"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"method\":\"features\",\"transform\":[1,0,-100,0,1,-100],\"scaleX\":1,\"scaleY\":1,"
                          "\"rotation\":0,\"agreeing\":",
                          0),
              0u)
        << r.out;
    // The polygon, once at 20..95 across, lies left of the cropped picture; areas count from 0, as the
    // checker counts them.
    EXPECT_NE(r.out.find("\"outside\":[2],\"width\":\"380\",\"height\":\"260\",\"sizeKept\":false"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"residual\":"), std::string::npos);
}

// Another scene: refused with the reason, and the map stays as it was.
TEST_F(RefitFolder, RefusesAnotherSceneAndWritesNothing)
{
    Write("other.png", PngOf(Scene(kWidth, kHeight, 99).Draw()));
    const std::string before = Slurp(Path("map.zmf"));
    const CliOutcome r = RunCli({"refit", Path("map.zmf"), Path("other.png")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zephyrmap-cli: " +
                         programtexts::TranslateText(refittexts::FailureText(RefitFailure::NotSameScene)) + "\n");
    EXPECT_EQ(Slurp(Path("map.zmf")), before);
    const CliOutcome json = RunCli({"refit", Path("map.zmf"), Path("other.png"), "--json", "-o", Path("out.zmf")});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.out.rfind("{\"refused\":\"not-same-scene\",\"message\":", 0), 0u) << json.out;
    EXPECT_FALSE(std::filesystem::exists(Path("out.zmf")));
}

// The map's own picture is gone (exported again under another name): the
// map's WIDTH and HEIGHT are stretched over the new picture.
TEST_F(RefitFolder, WithoutTheOldPictureGoesByTheMapsSize)
{
    const std::string half = NewPicture("half.png", PictureTransform::ScaleShift(0.5, 0.25), 240, 90);
    std::filesystem::remove(Path("old.png"));
    const CliOutcome r = RunCli({"refit", Path("map.zmf"), half, "-o", Path("out.zmf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("method: map-size\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("scale: 0.5 x 0.25\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("old.png"), std::string::npos) << r.err; // the missing picture is told
    EXPECT_NE(Dump(Path("out.zmf")).find("\"coords\":\"50,15,150,40\""), std::string::npos);
}

TEST_F(RefitFolder, MisuseIsTold)
{
    EXPECT_EQ(RunCli({"refit", Path("map.zmf")}).status, 2);
    EXPECT_EQ(RunCli({"refit", Path("map.zmf"), Path("old.png"), "--bogus"}).status, 2);
    Write("notes.txt", "not a picture");
    const CliOutcome text = RunCli({"refit", Path("map.zmf"), Path("notes.txt")});
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("is not named as a JPEG, GIF, PNG or BMP picture"), std::string::npos) << text.err;
    EXPECT_EQ(RunCli({"refit", Path("missing.zmf"), Path("old.png")}).status, 1);
}

} // namespace
