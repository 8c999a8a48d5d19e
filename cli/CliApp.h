#pragma once
// The command-line tool: parses the subcommand and runs it. Texts go to the
// terminal as UTF-8; program messages go to standard error.

#include <iosfwd>
#include <string>
#include <vector>

class CliApp {
public:
    CliApp();
    CliApp(std::istream& in, std::ostream& out, std::ostream& err);
    int Run(int argc, char* argv[]);
    int Run(const std::vector<std::string>& args);

private:
    int Usage(const std::string& problem);

    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
};
