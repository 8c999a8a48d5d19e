// zephyrmap-cli: the map tools without the editor, for scripts.

#include "cli/CliApp.h"

int main(int argc, char* argv[])
{
    return CliApp().Run(argc, argv);
}
