#include "cli/CliApp.h"

#include "cli/CliArgs.h"
#include "services/TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

const char kVersionLine[] = "Zephyrmap !  Version 2.5.3 [Dec. 2009]";

const char kHelp[] =
    "usage: zephyrmap-cli COMMAND [ARGS]\n"
    "\n"
    "  convert --from CODE --to CODE [--eol-from LE --eol-to LE] [--signature] [--result]\n"
    "          [INPUT|-] [-o OUTPUT|-]\n"
    "      convert text between encodings. CODE: 0 automatic, 1 Shift-JIS, 2 JIS,\n"
    "      3 EUC-JP, 4 UTF-8, 5 UTF-8 with signature, 6 UTF-16LE, 7 UTF-16BE.\n"
    "      LE: 0 automatic, 1 CR+LF, 2 LF, 3 CR.\n"
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

int CliApp::Fail(const std::string& message)
{
    m_err << "zephyrmap-cli: " << message << "\n";
    return 1;
}

bool CliApp::ReadInput(const std::string& name, std::string& bytes)
{
    if (name.empty() || name == "-") {
        bytes.assign(std::istreambuf_iterator<char>(m_in), std::istreambuf_iterator<char>());
        return true;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        Fail("cannot read " + name + ": " + std::strerror(errno));
        return false;
    }
    std::ostringstream all;
    all << file.rdbuf();
    bytes = std::move(all).str();
    return true;
}

bool CliApp::WriteOutput(const std::string& name, const std::string& bytes)
{
    if (name.empty() || name == "-") {
        m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        m_out.flush();
        return true;
    }
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    if (!file || !file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush()) {
        Fail("cannot write " + name + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

int CliApp::Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return Usage("no command given");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        m_out << kHelp;
        return 0;
    }
    if (command == "--version") {
        m_out << kVersionLine << "\n";
        return 0;
    }
    if (command == "convert")
        return Convert(rest);
    return Usage("unknown command '" + command + "'");
}

int CliApp::Convert(const std::vector<std::string>& argv)
{
    CliArgs args(argv, {"--from", "--to", "--eol-from", "--eol-to", "-o"}, {"--signature", "--result"});
    auto from = args.Int("--from", 0, 7);
    auto to = args.Int("--to", 0, 7);
    auto eolFrom = args.Int("--eol-from", 0, 3);
    auto eolTo = args.Int("--eol-to", 0, 3);
    if (args.Ok() && (!from || !to))
        args.Fail("convert needs --from and --to");
    if (args.Ok() && eolFrom.has_value() != eolTo.has_value())
        args.Fail("--eol-from and --eol-to go together");
    if (args.Ok() && args.Positional().size() > 1)
        args.Fail("convert takes one input");
    if (!args.Ok())
        return Usage(args.Error());
    std::string bytes;
    if (!ReadInput(args.Positional().empty() ? "" : args.Positional()[0], bytes))
        return 1;
    if (eolFrom)
        TextCodec::ConvertLineEnds(*eolFrom, *eolTo, bytes);
    TextCodec codec;
    ConvertedBytes out = codec.ConvertBytes(*from, *to, bytes, args.Has("--signature"));
    std::string output = out.data ? std::string(reinterpret_cast<const char*>(out.data), out.size) : std::string();
    if (!WriteOutput(args.Value("-o").value_or(""), output))
        return 1;
    if (args.Has("--result"))
        m_err << out.result << "\n";
    return 0;
}
