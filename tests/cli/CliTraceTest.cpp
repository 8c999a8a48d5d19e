// zephyrmap-cli trace: a point of a picture to the COORDS of the region
// around it, and the exit codes of what goes wrong.

#include "cli/CliApp.h"
#include "tests/cli/CliRun.h"
#include "tests/services/png/PngMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <unistd.h>

namespace
{

using Outcome = CliOutcome;

Outcome Cli(const std::vector<std::string>& args, const std::string& input = "")
{
    return RunCli(args, input);
}

// A temporary file that goes when the test ends.
struct TempFile {
    std::string path;
    TempFile(const std::string& name, const std::string& bytes)
        : path((std::filesystem::temp_directory_path() / ("zmtrace-" + std::to_string(::getpid()) + "-" + name))
                   .string())
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path); }
};

// A white RGB picture of 60 x 40 with a red block over pixels 10 to 29
// across and 5 to 24 down.
std::string BlockPng()
{
    std::vector<std::vector<std::uint8_t>> rows(40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool block = x >= 10 && x < 30 && y >= 5 && y < 25;
            rows[y].insert(rows[y].end(), {255, std::uint8_t(block ? 0 : 255), std::uint8_t(block ? 0 : 255)});
        }
    }
    return PngMaker(60, 40, 8, 2).Rows(rows).Bytes();
}

using Corners = std::set<std::pair<int, int>>;

// The corners of COORDS text "x0,y0,...,xn,yn" with its line end, each
// listed once: the first is not repeated at the end.
Corners CornersOf(const std::string& coords)
{
    std::vector<int> numbers;
    std::stringstream in(coords);
    std::string item;
    while (std::getline(in, item, ','))
        numbers.push_back(std::stoi(item));
    EXPECT_EQ(numbers.size() % 2, 0u) << coords;
    EXPECT_GE(numbers.size(), 6u) << coords;
    Corners corners;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        corners.insert({numbers[i], numbers[i + 1]});
    EXPECT_EQ(corners.size(), numbers.size() / 2) << "a corner repeated: " << coords;
    return corners;
}

// RGB or RGBA rows of a picture of `width` x `height` from a colour for each pixel.
std::string PngOf(int width, int height, bool alpha,
                  const std::function<std::vector<std::uint8_t>(int x, int y)>& colour)
{
    std::vector<std::vector<std::uint8_t>> rows(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::vector<std::uint8_t> c = colour(x, y);
            rows[y].insert(rows[y].end(), c.begin(), c.end());
        }
    return PngMaker(width, height, 8, alpha ? 6 : 2).Rows(rows).Bytes();
}

} // namespace

// The block's outline runs along its pixels' outer corners; the white
// around it is the picture less the block, whose outline is the picture's.
TEST(CliTrace, PrintsTheRegionAsCoords)
{
    const TempFile png("block.png", BlockPng());
    const Outcome block = Cli({"trace", png.path, "15", "12"});
    EXPECT_EQ(block.status, 0) << block.err;
    EXPECT_EQ(block.err, "");
    ASSERT_EQ(block.out.back(), '\n');
    EXPECT_EQ(block.out.find('\n'), block.out.size() - 1);
    EXPECT_EQ(CornersOf(block.out), (Corners{{10, 5}, {30, 5}, {30, 25}, {10, 25}})) << block.out;
    const Outcome around = Cli({"trace", png.path, "59", "39"});
    EXPECT_EQ(around.status, 0) << around.err;
    EXPECT_EQ(CornersOf(around.out), (Corners{{0, 0}, {60, 0}, {60, 40}, {0, 40}})) << around.out;
}

TEST(CliTrace, OptionsReachTheTracer)
{
    const TempFile png("options.png", BlockPng());
    // Three corners at most: a triangle.
    const Outcome three = Cli({"trace", png.path, "15", "12", "--max-vertices", "3"});
    EXPECT_EQ(three.status, 0) << three.err;
    EXPECT_EQ(CornersOf(three.out).size(), 3u) << three.out;
    // Red and white are about Delta E 45 apart in lightness alone: a
    // tolerance beyond their distance takes the whole picture.
    const Outcome all = Cli({"trace", png.path, "15", "12", "--tolerance", "200", "--epsilon", "0.5"});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(CornersOf(all.out), (Corners{{0, 0}, {60, 0}, {60, 40}, {0, 40}})) << all.out;
}

TEST(CliTrace, ExitCodes)
{
    const TempFile png("codes.png", BlockPng());
    const TempFile broken("broken.png", "no picture here");
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string message; // the start of the one line on standard error
    };
    const Row rows[] = {
        {{"trace", png.path, "60", "0"}, 1, "zephyrmap-cli: the point 60,0 lies outside the 60 x 40 picture"},
        {{"trace", png.path, "0", "40"}, 1, "zephyrmap-cli: the point 0,40 lies outside the 60 x 40 picture"},
        {{"trace", png.path, "-1", "3"}, 1, "zephyrmap-cli: the point -1,3 lies outside the 60 x 40 picture"},
        {{"trace", broken.path, "1", "1"}, 1, "zephyrmap-cli: cannot load the picture " + broken.path},
        {{"trace", "missing.jpg", "1", "1"}, 1, "zephyrmap-cli: cannot load the picture missing.jpg"},
        {{"trace", "picture.tif", "1", "1"}, 1, "zephyrmap-cli: picture.tif is not named as a JPEG"},
        {{"trace", png.path, "1"}, 2, "zephyrmap-cli: trace takes a picture and a point X Y"},
        {{"trace", png.path, "1", "y"}, 2, "zephyrmap-cli: the point's X and Y are whole numbers"},
        {{"trace", png.path, "1.5", "2"}, 2, "zephyrmap-cli: the point's X and Y are whole numbers"},
        {{"trace", png.path, "1", "2", "--max-vertices", "2"}, 2, "zephyrmap-cli: --max-vertices takes a number"},
        {{"trace", png.path, "1", "2", "--tolerance", "much"}, 2, "zephyrmap-cli: --tolerance takes a number"},
        {{"trace", png.path, "1", "2", "--epsilon", "-1"}, 2, "zephyrmap-cli: --epsilon takes a number"},
        {{"trace", png.path, "1", "2", "--epsilon"}, 2, "zephyrmap-cli: option --epsilon needs a value"},
    };
    for (const Row& row : rows) {
        const Outcome r = Cli(row.args);
        EXPECT_EQ(r.status, row.status) << row.message;
        EXPECT_EQ(r.out, "") << row.message;
        EXPECT_EQ(r.err.rfind(row.message, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// Guards the help of a command: "trace --help" was an unknown option.
TEST(CliTrace, HelpOfItsOwn)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"trace", "--help"}, {"trace", "picture.png", "1", "2", "--help"}, {"trace", "-h"}}) {
        const Outcome r = Cli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(
            r.out.rfind("usage: zephyrmap-cli trace PICTURE X Y [--tolerance T] [--epsilon E] [--max-vertices N]\n"
                        "      trace the region around pixel X,Y",
                        0),
            0u)
            << r.out;
        EXPECT_NE(r.out.find("corners (default 300)"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("  svg "), std::string::npos) << r.out; // the other commands' parts stay out
    }
    // Every command has its part.
    EXPECT_EQ(Cli({"svg", "--help"}).out.rfind("usage: zephyrmap-cli svg MAP.zmf", 0), 0u);
    EXPECT_EQ(Cli({"check", "--help"}).status, 0);
}

// Guards the blur before the region grew: a grey line one pixel wide between
// two white halves let a point three pixels from it trace the whole picture.
TEST(CliTrace, AOnePixelLineIsABorder)
{
    const TempFile png(
        "halves.png", PngOf(100, 60, false, [](int x, int) {
            return x == 50 ? std::vector<std::uint8_t>{128, 128, 128} : std::vector<std::uint8_t>{255, 255, 255};
        }));
    const Outcome left = Cli({"trace", png.path, "47", "30"});
    EXPECT_EQ(left.status, 0) << left.err;
    EXPECT_EQ(CornersOf(left.out), (Corners{{0, 0}, {50, 0}, {50, 60}, {0, 60}})) << left.out;
    const Outcome right = Cli({"trace", png.path, "53", "30"});
    EXPECT_EQ(CornersOf(right.out), (Corners{{51, 0}, {100, 0}, {100, 60}, {51, 60}})) << right.out;
}

// Guards laying transparency over the background before tracing: a disc of
// the background's own grey on a see-through ground traced the whole picture.
TEST(CliTrace, AnEdgeOfOpacityIsAnEdge)
{
    const TempFile png(
        "disc.png", PngOf(100, 80, true, [](int x, int y) {
            const bool in = std::hypot(x + 0.5 - 50, y + 0.5 - 40) <= 30;
            return in ? std::vector<std::uint8_t>{192, 192, 192, 255} : std::vector<std::uint8_t>{0, 0, 0, 0};
        }));
    const Outcome r = Cli({"trace", png.path, "50", "40"});
    EXPECT_EQ(r.status, 0) << r.err;
    const Corners corners = CornersOf(r.out);
    for (const auto& [x, y] : corners)
        EXPECT_LE(std::hypot(x - 50, y - 40), 32) << r.out;
}

// A region of a few pixels is still printed, but said, with what to try,
// and the exit status tells a script.
TEST(CliTrace, ARegionOfAFewPixelsIsSaid)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> noise(0, 255);
    const TempFile png("noise.png", PngOf(60, 40, false, [&](int, int) {
                           const auto grey = static_cast<std::uint8_t>(noise(random));
                           return std::vector<std::uint8_t>{grey, grey, grey};
                       }));
    const Outcome r = Cli({"trace", png.path, "30", "20", "--tolerance", "1"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_GE(CornersOf(r.out).size(), 3u);
    EXPECT_EQ(r.err.rfind("zephyrmap-cli: the region around 30,20 is only ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" pixels: a higher --tolerance (now 1) widens it where the picture has noise\n"),
              std::string::npos)
        << r.err;
}

// Guards outlines of thousands of corners: a ragged skyline keeps to 300
// unless more are asked for.
TEST(CliTrace, AtMostThreeHundredCornersByDefault)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(-6, 6);
    std::vector<int> skyline(1200);
    int height = 100;
    for (int& h : skyline)
        h = height = std::clamp(height + step(random), 20, 180);
    const TempFile png(
        "skyline.png", PngOf(1200, 200, false, [&](int x, int y) {
            return y < skyline[x] ? std::vector<std::uint8_t>{150, 190, 240} : std::vector<std::uint8_t>{60, 50, 40};
        }));
    const Outcome capped = Cli({"trace", png.path, "5", "5"});
    EXPECT_EQ(capped.status, 0) << capped.err;
    EXPECT_LE(CornersOf(capped.out).size(), 300u);
    const Outcome more = Cli({"trace", png.path, "5", "5", "--max-vertices", "100000"});
    EXPECT_GT(CornersOf(more.out).size(), 300u);
}
