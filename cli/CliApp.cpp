#include "cli/CliApp.h"

#include <iostream>

namespace {

const char kVersionLine[] = "Zephyrmap !  Version 2.5.3 [Dec. 2009]";

const char kHelp[] =
    "usage: zephyrmap-cli COMMAND [ARGS]\n"
    "\n"
    "  --help       show this text\n"
    "  --version    show the version\n";

}  // namespace

CliApp::CliApp() : CliApp(std::cin, std::cout, std::cerr) {}

CliApp::CliApp(std::istream& in, std::ostream& out, std::ostream& err) : m_in(in), m_out(out), m_err(err) {}

int CliApp::Run(int argc, char* argv[])
{
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}

int CliApp::Usage(const std::string& problem)
{
    m_err << "zephyrmap-cli: " << problem << " (see zephyrmap-cli --help)\n";
    return 2;
}

int CliApp::Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return Usage("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        m_out << kHelp;
        return 0;
    }
    if (command == "--version") {
        m_out << kVersionLine << "\n";
        return 0;
    }
    return Usage("unknown command '" + command + "'");
}
