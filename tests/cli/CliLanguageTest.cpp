// zephyrmap-cli in the editor's language: its own usage texts stay English,
// the program's messages and the checker's findings come out in English when
// English is the language of the run.

#include "cli/CliApp.h"
#include "services/language/ProgramLanguage.h"
#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(none.err, "This HTML defines no usable clickable map.\n");
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
