#pragma once
// The command-line tool run in-process, as the tests of its commands run it:
// the exit status and what it wrote to each stream.

#include "cli/CliApp.h"

#include <sstream>
#include <string>
#include <vector>

struct CliOutcome {
    int status;
    std::string out, err;
};

inline CliOutcome RunCli(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    CliApp app(in, out, err);
    const int status = app.Run(args);
    return {status, out.str(), err.str()};
}
