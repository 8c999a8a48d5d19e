#include "services/paths/LocalFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace localfile;

namespace
{

// A fresh folder of its own for each test.
struct LocalFileTest : ::testing::Test {
    std::filesystem::path dir;

    void SetUp() override
    {
        dir =
            std::filesystem::temp_directory_path() / ("zm-localfile-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }
    static std::string Slurp(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

// A save as the command-line tool reports a failed one: "cannot save PATH: REASON".
bool Save(const std::string& path, std::string_view bytes, std::string& error)
{
    std::string reason;
    if (WriteFileAtomically(PathOf(path), bytes, reason))
        return true;
    error = "cannot save " + path + ": " + reason;
    return false;
}

} // namespace

TEST_F(LocalFileTest, ReadsAWholeFile)
{
    std::string big(3 << 20, 'x'); // more than one read's worth
    big[12345] = '\0';
    std::ofstream(Path("big"), std::ios::binary) << big;
    std::string bytes, reason;
    ASSERT_TRUE(ReadWholeFile(PathOf(Path("big")), bytes, reason)) << reason;
    EXPECT_EQ(bytes, big);
    std::ofstream(Path("empty"), std::ios::binary);
    ASSERT_TRUE(ReadWholeFile(PathOf(Path("empty")), bytes, reason));
    EXPECT_EQ(bytes, "");
    // A program path names the file of that name, whatever its characters.
    for (const char* name : {"地図", "café", "José's maps", "😀.html", "中文目录"}) {
        std::ofstream(PathOf(Path(name)), std::ios::binary) << name;
        ASSERT_TRUE(ReadWholeFile(PathOf(Path(name)), bytes, reason)) << reason;
        EXPECT_EQ(bytes, name);
    }
}

// The size the system reports only sizes the first read: a file that says
// it holds nothing is still read to its end.
TEST_F(LocalFileTest, ReadsPastTheReportedSize)
{
#ifdef __linux__
    std::string bytes, reason;
    ASSERT_TRUE(ReadWholeFile(PathOf("/proc/self/status"), bytes, reason)) << reason;
    EXPECT_EQ(bytes.rfind("Name:", 0), 0u);
    EXPECT_NE(bytes.find("VmRSS:"), std::string::npos); // well past the first byte
#else
    GTEST_SKIP() << "needs a file whose reported size is 0";
#endif
}

// Regression: a directory's reported size was taken for the buffer to read it
// into; anything but a regular file is refused without reading.
TEST_F(LocalFileTest, RefusesWhatIsNoRegularFile)
{
    struct Row {
        std::string path;
        std::string reason;
    };
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    const Row rows[] = {
        {dir.string(), "Is a directory"},
        {"/dev/zero", "not a regular file"},  // would never end
        {Path("pipe"), "not a regular file"}, // would wait for a writer
        {Path("missing"), "No such file or directory"},
    };
    for (const Row& r : rows) {
        std::string bytes = "old", reason;
        EXPECT_FALSE(ReadWholeFile(PathOf(r.path), bytes, reason)) << r.path;
        EXPECT_EQ(reason, r.reason) << r.path;
        EXPECT_EQ(bytes, "") << r.path;
    }
    std::string head;
    EXPECT_FALSE(ReadHead(dir, 10, head));
    EXPECT_FALSE(ReadHead(PathOf(Path("pipe")), 10, head));
}

TEST_F(LocalFileTest, ReadsUpToTheLimitOnly)
{
    std::ofstream(Path("ten"), std::ios::binary) << "0123456789";
    std::string bytes, reason;
    EXPECT_TRUE(ReadWholeFile(PathOf(Path("ten")), bytes, reason, 10));
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_FALSE(ReadWholeFile(PathOf(Path("ten")), bytes, reason, 9));
    EXPECT_EQ(reason, "larger than 0 MB");
    EXPECT_EQ(bytes, "");
}

TEST_F(LocalFileTest, SavesAtomicallyAndLeavesNothingBehind)
{
    const std::string target = Path("map.zmf");
    std::string error;
    ASSERT_TRUE(Save(target, "first", error)) << error;
    ASSERT_TRUE(Save(target, "second, longer", error)) << error;
    EXPECT_EQ(Slurp(target), "second, longer");
    EXPECT_EQ(Names(), std::set<std::string>{"map.zmf"});
    // The replacement keeps the old file's permissions.
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_TRUE(Save(target, "third", error)) << error;
    struct stat status;
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    // Program paths of any characters.
    ASSERT_TRUE(Save(Path("地図 naïve 😀.zmf"), "ja", error)) << error;
    EXPECT_EQ(Slurp(Path("地図 naïve 😀.zmf")), "ja");
}

// Regression: every save used the same temporary name beside its target, so
// two saves at once wrote into one file.
TEST_F(LocalFileTest, SavesAtOnceUseTheirOwnTemporaries)
{
    const std::string target = Path("shared.zmf");
    const std::string a(200000, 'a'), b(300000, 'b');
    auto saveMany = [&target](const std::string& bytes, bool* ok) {
        for (int i = 0; i < 40; ++i) {
            std::string error;
            *ok = Save(target, bytes, error) && *ok;
        }
    };
    bool okA = true, okB = true;
    std::thread first(saveMany, std::cref(a), &okA), second(saveMany, std::cref(b), &okB);
    first.join();
    second.join();
    EXPECT_TRUE(okA);
    EXPECT_TRUE(okB);
    const std::string result = Slurp(target);
    EXPECT_TRUE(result == a || result == b) << result.size();
    EXPECT_EQ(Names(), std::set<std::string>{"shared.zmf"});
}

// A save goes through symbolic links to the file they lead to, and leaves
// alone what is no regular file.
TEST_F(LocalFileTest, SavesKeepLinksAndLeaveSpecialFilesAlone)
{
    std::filesystem::create_directory(dir / "real");
    const std::string real = Path("real/map.zmf");
    std::ofstream(real, std::ios::binary) << "old";
    std::filesystem::create_symlink("real/map.zmf", dir / "link.zmf");
    std::string error;
    ASSERT_TRUE(Save(Path("link.zmf"), "through the link", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.zmf"));
    EXPECT_EQ(Slurp(real), "through the link");
    // A link to a file not made yet makes it.
    std::filesystem::create_symlink(dir / "real/new.zmf", dir / "ahead.zmf");
    ASSERT_TRUE(Save(Path("ahead.zmf"), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "ahead.zmf"));
    EXPECT_EQ(Slurp(Path("real/new.zmf")), "new");

    // Another name of the file (a hard link) gets the new file; the old
    // content stays whole under the other name, as a snapshot would want.
    std::filesystem::create_hard_link(real, dir / "other-name.zmf");
    ASSERT_TRUE(Save(Path("other-name.zmf"), "new name", error)) << error;
    EXPECT_EQ(Slurp(Path("other-name.zmf")), "new name");
    EXPECT_EQ(Slurp(real), "through the link");
    EXPECT_EQ(std::filesystem::hard_link_count(real), 1u);

    // Links that loop lead nowhere.
    std::filesystem::create_symlink("loop-b", dir / "loop-a");
    std::filesystem::create_symlink("loop-a", dir / "loop-b");
    EXPECT_FALSE(Save(Path("loop-a"), "x", error));
    EXPECT_EQ(error, "cannot save " + Path("loop-a") + ": Too many levels of symbolic links");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "loop-a"));

    // A file the program makes for itself replaces a link by its name and
    // writes nothing where the link leads.
    std::filesystem::create_symlink("real/map.zmf", dir / "backup~");
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(dir / "backup~", "backup", reason, SaveLinks::Replace)) << reason;
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "backup~"));
    EXPECT_EQ(Slurp(Path("backup~")), "backup");
    EXPECT_EQ(Slurp(real), "through the link");

    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(Save(Path("pipe"), "x", error));
    EXPECT_EQ(error, "cannot save " + Path("pipe") + ": not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));

    // A read-only file says "keep me" (the superuser may write anything).
    const std::string locked = Path("locked.zmf");
    std::ofstream(locked, std::ios::binary) << "locked";
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    if (::geteuid() != 0) {
        EXPECT_FALSE(Save(locked, "x", error));
        EXPECT_EQ(error, "cannot save " + locked + ": Permission denied");
        EXPECT_EQ(Slurp(locked), "locked");
    }
    EXPECT_EQ(Names(), (std::set<std::string>{"real", "link.zmf", "ahead.zmf", "other-name.zmf", "loop-a", "loop-b",
                                              "backup~", "pipe", "locked.zmf"}));
}

// Every failure leaves the old file whole and no temporary behind, and the
// message names the target and the system's reason.
TEST_F(LocalFileTest, FailedSavesKeepTheOldFile)
{
    const std::string target = Path("keep.zmf");
    std::ofstream(target, std::ios::binary) << "old";
    std::string error;
    // The write itself fails: the file may not grow past 100 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = Save(target, std::string(5000, 'n'), error);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, "cannot save " + target + ": File too large");
    EXPECT_EQ(Slurp(target), "old");
    EXPECT_EQ(Names(), std::set<std::string>{"keep.zmf"});
    // The rename fails: the target is a folder.
    std::filesystem::create_directory(dir / "folder");
    EXPECT_FALSE(Save(Path("folder"), "x", error));
    EXPECT_EQ(error, "cannot save " + Path("folder") + ": Is a directory");
    EXPECT_EQ(Names(), (std::set<std::string>{"folder", "keep.zmf"}));
    // No temporary can be made: the folder does not exist.
    EXPECT_FALSE(Save(Path("none/x.zmf"), "x", error));
    EXPECT_EQ(error, "cannot save " + Path("none/x.zmf") + ": No such file or directory");
}
