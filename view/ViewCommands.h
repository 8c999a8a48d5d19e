#pragma once
// The commands the view handles, with their enable and check rules: the
// drawing tools, the area clipboard, deleting, arranging several areas,
// magnifications, the grid and snapping.

#include "view/CommandRoute.h"

#include <vector>

class CZephyrmapView;

class ViewCommands
{
public:
    explicit ViewCommands(CZephyrmapView& view) : m_view(view) {}

    std::vector<CommandRoute> Routes();

    // Every magnification command with its factor, smallest first.
    struct Zoom {
        CommandId id;
        float factor;
    };
    static const std::vector<Zoom>& Zooms();

private:
    void AddTools(std::vector<CommandRoute>& routes);
    void AddEdits(std::vector<CommandRoute>& routes);
    void AddArrangements(std::vector<CommandRoute>& routes);
    void AddZooms(std::vector<CommandRoute>& routes);
    void AddGrid(std::vector<CommandRoute>& routes);

    CZephyrmapView& m_view;
};
