// zephyrmap-cli: the map tools without the editor, for scripts.

#include "cli/CliApp.h"
#include "services/language/ProgramLanguage.h"

#include <QLocale>

int main(int argc, char* argv[])
{
    // The program's messages follow the editor's language: its setting, else
    // the system's. The tool's own usage texts are English in any language.
    ProgramLanguage::Install(
        ProgramLanguage::Choose(ProgramLanguage::StoredSetting(), QLocale::system().uiLanguages()));
    return CliApp().Run(argc, argv);
}
