// zephyrmap-cli: the map tools without the editor, for scripts.

#include "cli/CliApp.h"
#include "services/language/ProgramLanguage.h"
#include "services/text/Utf8Bridge.h"

#include <string>
#include <vector>

namespace
{

int RunTool(const std::vector<std::string>& args)
{
    // The program's messages follow the editor's language: its setting, else
    // the system's. The tool's own usage texts are English in any language.
    ProgramLanguage::Install(ProgramLanguage::ChooseForDesktop(ProgramLanguage::StoredSetting()));
    return CliApp().Run(args);
}

} // namespace

#ifdef _WIN32
// Windows hands the arguments over in UTF-16; file names and texts are
// taken as the program's text, UTF-8, whatever the console's code page.
int wmain(int argc, wchar_t* argv[])
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(utf8::FromUtf16(reinterpret_cast<const char16_t*>(argv[i])));
    return RunTool(args);
}
#else
// The arguments are the file system's own bytes, taken as they are.
int main(int argc, char* argv[])
{
    return RunTool(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
