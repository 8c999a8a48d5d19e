#pragma once
// The editor's commands: numeric id, menu text (UTF-8, with its "\t" key
// text), and status-bar prompt with its tool tip after "\n". The texts are
// the Japanese sources of the translation context "CommandTable": the frame
// translates them as it makes the actions and menus.

#include "view/CommandIds.h"

#include <vector>

struct CommandInfo {
    CommandId id;
    const char* menuText;
    const char* prompt;
};

// Menu items that are not commands.
inline constexpr int kSeparator = 0;
inline constexpr int kMagnificationMenu = -1;
inline constexpr int kArrangeMenu = -2; // "整列", arranging several areas

// One pop-up of the main menu: its caption and its items, command ids or the
// two markers above.
struct MenuInfo {
    const char* caption;
    std::vector<int> items;
};

const CommandInfo* FindCommand(int id);
const std::vector<CommandInfo>& AllCommands();
const std::vector<MenuInfo>& MainMenu();
