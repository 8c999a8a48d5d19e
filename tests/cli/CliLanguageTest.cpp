// zephyrmap-cli in the editor's language: its own usage texts stay English,
// the program's messages and the checker's findings come out in English when
// English is the language of the run.

#include "cli/CliApp.h"
#include "services/language/ProgramLanguage.h"
#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace
{

using Outcome = CliOutcome;

Outcome Cli(const std::vector<std::string>& args, const std::string& input = "")
{
    return RunCli(args, input);
}

// English for the test's length, Japanese again after it.
struct InEnglish {
    InEnglish() { EXPECT_TRUE(ProgramLanguage::Install(Language::English)); }
    ~InEnglish() { ProgramLanguage::Install(Language::Japanese); }
};

struct Page {
    std::filesystem::path path;
    Page(const std::string& name, const std::string& bytes)
        : path(std::filesystem::temp_directory_path() / ("zmcli25-" + std::to_string(::getpid()) + "-" + name))
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~Page() { std::filesystem::remove(path); }
};

} // namespace

TEST(CliLanguage, FindingsInEnglish)
{
    const Page page("bare.html", "<html><img usemap=x></html>");
    InEnglish english;
    const Outcome r = Cli({"check", page.path.string()});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out,
              page.path.string() + ":1: usemap-unresolved: The IMG's USEMAP \"x\" has no \"#\", so no map is used.\n");
    const Outcome json = Cli({"check", page.path.string(), "--json"});
    EXPECT_EQ(json.out, "[\n  {\"code\":\"usemap-unresolved\",\"map\":null,\"area\":null,\"line\":1,\"message\":"
                        "\"The IMG's USEMAP \\\"x\\\" has no \\\"#\\\", so no map is used.\"}\n]\n");
}

TEST(CliLanguage, MessagesInEnglishUsageAsItWas)
{
    const Page page("none.html", "<html><p>no map</p></html>");
    InEnglish english;
    const Outcome none = Cli({"maps", page.path.string()});
    EXPECT_EQ(none.err, "This HTML defines no usable image map.\n");
    const Outcome usage = Cli({"maps"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err.rfind("zephyrmap-cli: ", 0), 0u) << usage.err;
}

// Without a language installed the tool speaks as it always did.
TEST(CliLanguage, JapaneseUnlessToldOtherwise)
{
    const Page page("bare-ja.html", "<html><img usemap=x></html>");
    const Outcome r = Cli({"check", page.path.string()});
    EXPECT_EQ(r.out, page.path.string() +
                         ":1: usemap-unresolved: IMGのUSEMAP \"x\" に \"#\" がないため、どのマップも使われません。\n");
}

namespace
{

// A desktop's locale, as one variable of the environment names it, and
// whether the tool should speak English under it.
struct DesktopLocale {
    const char* variable;
    const char* locale;
    bool english;
};

std::ostream& operator<<(std::ostream& out, const DesktopLocale& row)
{
    return out << row.variable << '=' << row.locale;
}

// The installed tool run as a script runs it, under `row`'s locale alone and
// with a home of its own, so that no stored language setting counts.
std::string RunUnder(const DesktopLocale& row, const std::string& page)
{
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("zmcli33-home-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home);
    const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG HOME='" + home.string() +
                                "' XDG_CONFIG_HOME='" + home.string() + "/.config' " + row.variable + "=" + row.locale +
                                " '" ZM_CLI "' check '" + page + "' 2>&1";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        ::pclose(pipe);
    }
    std::filesystem::remove_all(home);
    return out;
}

class CliDesktopLanguage : public ::testing::TestWithParam<DesktopLocale>
{
};

} // namespace

// Japanese findings only where the desktop's first language is Japanese;
// English under any other, the C and POSIX locales included.
TEST_P(CliDesktopLanguage, FindingsFollowTheDesktopsFirstLanguage)
{
    const DesktopLocale& row = GetParam();
    const Page page("desktop.html", "<html><img usemap=x></html>");
    const std::string finding = row.english ? "The IMG's USEMAP \"x\" has no \"#\", so no map is used."
                                            : "IMGのUSEMAP \"x\" に \"#\" がないため、どのマップも使われません。";
    EXPECT_EQ(RunUnder(row, page.path.string()), page.path.string() + ":1: usemap-unresolved: " + finding + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CliDesktopLanguage,
    ::testing::Values(DesktopLocale{"LANG", "de_DE.UTF-8", true}, DesktopLocale{"LANG", "en_US.UTF-8", true},
                      DesktopLocale{"LC_ALL", "C", true}, DesktopLocale{"LANG", "C.UTF-8", true},
                      DesktopLocale{"LC_ALL", "POSIX", true}, DesktopLocale{"LANGUAGE", "fr:ja", true},
                      DesktopLocale{"LANG", "ja_JP.UTF-8", false}, DesktopLocale{"LC_ALL", "ja_JP.UTF-8", false},
                      DesktopLocale{"LANGUAGE", "ja:en", false}));
