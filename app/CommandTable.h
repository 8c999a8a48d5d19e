#pragma once
// The editor's commands: numeric id, menu text (UTF-8, with its "\t" key
// text), and status-bar prompt with its tool tip after "\n".

#include <vector>

struct CommandInfo {
    int id;
    const char* menuText;
    const char* prompt;
};

// One pop-up of the main menu: its caption and its items; id 0 is a separator,
// id -1 the magnification submenu.
struct MenuInfo {
    const char* caption;
    std::vector<int> items;
};

const CommandInfo* FindCommand(int id);
const std::vector<CommandInfo>& AllCommands();
const std::vector<MenuInfo>& MainMenu();
