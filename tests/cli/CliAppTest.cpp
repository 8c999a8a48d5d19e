#include "cli/CliApp.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Cli(std::vector<std::string> args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    CliApp app(in, out, err);
    int status = app.Run(args);
    return {status, out.str(), err.str()};
}

const std::string kSjis = "<p>\x8A\xBF\x8E\x9A \xB1\xB2 \x81\x60</p>\r\n";  // 漢字 ｱｲ ～

}  // namespace

TEST(CliApp, VersionAndHelp)
{
    EXPECT_EQ(Cli({"--version"}).out, "Zephyrmap !  Version 2.5.3 [Dec. 2009]\n");
    Outcome help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert"), std::string::npos);
    EXPECT_EQ(Cli({"frobnicate"}).status, 2);
    EXPECT_EQ(Cli({}).status, 2);
}

TEST(CliConvert, ShiftJisRoundTripsThroughEveryEncoding)
{
    for (int code : {2, 3, 4, 5, 6, 7}) {
        Outcome there = Cli({"convert", "--from", "1", "--to", std::to_string(code), "--signature"}, kSjis);
        ASSERT_EQ(there.status, 0) << code;
        int back = code == 5 ? 4 : code;  // a signature is skipped when read as UTF-8
        Outcome again = Cli({"convert", "--from", std::to_string(back), "--to", "1"}, there.out);
        if (code >= 6)  // the signature is read as U+FEFF by an explicit UTF-16 code: detect instead
            again = Cli({"convert", "--from", "0", "--to", "1"}, there.out);
        EXPECT_EQ(again.out, kSjis) << code;
    }
}

TEST(CliConvert, LineEndsAndResultCode)
{
    Outcome r = Cli({"convert", "--from", "1", "--to", "6", "--eol-from", "1", "--eol-to", "2", "--result"}, "a\r\nb");
    EXPECT_EQ(r.out, std::string("a\0\n\0b\0", 6));
    EXPECT_EQ(r.err, "6\n");
    Outcome none = Cli({"convert", "--from", "2", "--to", "1", "--result"}, "\x1B$B4");
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "-1\n");
}

TEST(CliConvert, BadArgumentsAndFiles)
{
    EXPECT_EQ(Cli({"convert", "--from", "1"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "9", "--to", "1"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "x"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "2", "--eol-from", "1"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "2", "--bogus"}).status, 2);
    Outcome missing = Cli({"convert", "--from", "1", "--to", "2", "/nonexistent/in.html"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/in.html"), std::string::npos);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "2", "-o", "/nonexistent/dir/out"}, "x").status, 1);
}
