// zephyrmap-cli trace: a point of a picture to the COORDS of the region
// around it, and the exit codes of what goes wrong.

#include "cli/CliApp.h"
#include "tests/cli/CliRun.h"
#include "tests/services/png/PngMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
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

// The corners of COORDS text "x0,y0,...,x0,y0" with its line end; the
// closing point must repeat the first.
Corners CornersOf(const std::string& coords)
{
    std::vector<int> numbers;
    std::stringstream in(coords);
    std::string item;
    while (std::getline(in, item, ','))
        numbers.push_back(std::stoi(item));
    EXPECT_EQ(numbers.size() % 2, 0u) << coords;
    EXPECT_GE(numbers.size(), 8u) << coords;
    EXPECT_EQ(numbers[0], numbers[numbers.size() - 2]) << coords;
    EXPECT_EQ(numbers[1], numbers[numbers.size() - 1]) << coords;
    Corners corners;
    for (std::size_t i = 0; i + 3 < numbers.size(); i += 2)
        corners.insert({numbers[i], numbers[i + 1]});
    return corners;
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
