#include "view/ViewCommands.h"

#include "model/Arrangement.h"
#include "services/settings/AppSettings.h"
#include "view/CZephyrmapView.h"
#include "view/Magnification.h"
#include "view/PaneInterface.h"
#include "view/SelectionEdits.h"
#include "view/ViewPrinter.h"
#include "view/ZoomControl.h"
#include "view/ZoomedPicture.h"

const std::vector<ViewCommands::Zoom>& ViewCommands::Zooms()
{
    static const std::vector<Zoom> zooms = {
        {CmdZoom25, 0.25f}, {CmdZoom50, 0.5f},  {CmdZoom100, 1.0f}, {CmdZoom150, 1.5f}, {CmdZoom200, 2.0f},
        {CmdZoom300, 3.0f}, {CmdZoom400, 4.0f}, {CmdZoom600, 6.0f}, {CmdZoom800, 8.0f},
    };
    return zooms;
}

std::vector<CommandRoute> ViewCommands::Routes()
{
    std::vector<CommandRoute> routes;
    AddTools(routes);
    AddEdits(routes);
    AddArrangements(routes);
    AddZooms(routes);
    AddGrid(routes);
    return routes;
}

void ViewCommands::AddTools(std::vector<CommandRoute>& routes)
{
    CZephyrmapView& v = m_view;
    auto mapOpen = [&v] { return v.Frame().IsMapOpen(); };
    for (const auto& entry : {std::pair{CmdRectangleTool, Tool::Rectangle}, std::pair{CmdCircleTool, Tool::Circle},
                              std::pair{CmdPolygonTool, Tool::Polygon}, std::pair{CmdTraceTool, Tool::Trace},
                              std::pair{CmdSelectTool, Tool::Select}}) {
        const CommandId id = entry.first;
        const Tool tool = entry.second;
        routes.push_back(
            {id, [&v, tool] { v.SetTool(tool); }, mapOpen, [&v, tool] { return v.CurrentTool() == tool; }});
    }
    routes.push_back({CmdKeepTool,
                      [&v] { v.Settings().KeepTool = v.Settings().KeepTool ? 0 : 1; },
                      {},
                      [&v] { return v.Settings().KeepTool != 0; }});
}

void ViewCommands::AddEdits(std::vector<CommandRoute>& routes)
{
    CZephyrmapView& v = m_view;
    auto mapOpen = [&v] { return v.Frame().IsMapOpen(); };
    auto selected = [&v] { return v.HasSelection(); };
    // A drag pins its areas: nothing else changes the map until it ends.
    auto selectedAndFree = [&v] { return v.HasSelection() && !v.IsDragging(); };
    auto canPaste = [&v] { return v.ClipboardHasArea() && v.Frame().IsMapOpen() && !v.IsDragging(); };
    routes.insert(
        routes.end(),
        {
            {CmdDeleteArea, [&v] { v.DeleteSelectedArea(); }, selectedAndFree, {}},
            {CmdDeletePoint, [&v] { v.DeletePoint(); }, [&v] { return v.CanDeletePoint(); }, {}},
            {CmdSelectAll,
             [&v] { SelectionEdits(v).SelectAll(); },
             [&v] { return v.Frame().IsMapOpen() && !v.IsDragging(); },
             {}},
            {CmdToggleHatching, [&v] { v.ToggleHatching(); }, mapOpen, [&v] { return v.Settings().Hatching != 0; }},
            {CmdPrint, [&v] { ViewPrinter(v).Print(); }, mapOpen, {}},
            {CmdCopyArea, [&v] { v.CopyArea(); }, selected, {}},
            {CmdCutArea, [&v] { v.CutArea(); }, selectedAndFree, {}},
            {CmdPasteArea, [&v] { v.PasteArea(false); }, canPaste, {}},
            {CmdPasteAreaWithAttributes, [&v] { v.PasteArea(true); }, canPaste, {}},
        });
}

void ViewCommands::AddArrangements(std::vector<CommandRoute>& routes)
{
    using arrangement::Kind;
    const std::pair<CommandId, Kind> kinds[] = {
        {CmdAlignLeft, Kind::AlignLeft},
        {CmdAlignRight, Kind::AlignRight},
        {CmdAlignTop, Kind::AlignTop},
        {CmdAlignBottom, Kind::AlignBottom},
        {CmdAlignCentresHorizontally, Kind::AlignCentresHorizontally},
        {CmdAlignCentresVertically, Kind::AlignCentresVertically},
        {CmdDistributeHorizontally, Kind::DistributeHorizontally},
        {CmdDistributeVertically, Kind::DistributeVertically},
        {CmdSameWidth, Kind::SameWidth},
        {CmdSameHeight, Kind::SameHeight},
    };
    CZephyrmapView& v = m_view;
    for (const auto& entry : kinds) {
        const Kind kind = entry.second;
        routes.push_back({entry.first,
                          [&v, kind] { SelectionEdits(v).Arrange(kind); },
                          [&v, kind] { return !v.IsDragging() && SelectionEdits(v).CanArrange(kind); },
                          {}});
    }
}

void ViewCommands::AddZooms(std::vector<CommandRoute>& routes)
{
    CZephyrmapView& v = m_view;
    auto mapOpen = [&v] { return v.Frame().IsMapOpen(); };
    for (const Zoom& zoom : Zooms()) {
        const float factor = zoom.factor;
        routes.push_back({zoom.id, [&v, factor] { v.ApplyMagnification(factor); }, mapOpen,
                          [&v, factor] { return v.Factor() == factor; }});
    }
    auto step = [&v](int direction) {
        const float factor = magnification::NextStep(v.Factor(), direction);
        if (factor != v.Factor())
            v.ApplyMagnification(factor);
    };
    routes.push_back({CmdZoomIn, [step] { step(1); }, mapOpen, {}});
    routes.push_back({CmdZoomOut, [step] { step(-1); }, mapOpen, {}});
    routes.push_back({CmdZoomToFit, [&v] { v.ZoomToFit(); }, mapOpen, {}});
    routes.push_back({CmdZoomToSelection,
                      [&v] { ZoomControl(v).ToSelection(); },
                      [&v] { return v.Frame().IsMapOpen() && v.HasSelection(); },
                      {}});
}

void ViewCommands::AddGrid(std::vector<CommandRoute>& routes)
{
    CZephyrmapView& v = m_view;
    auto toggle = [&v](int AppSettings::*field) {
        return [&v, field] {
            int& value = v.Settings().*field;
            value = value ? 0 : 1;
            v.InvalidateAll();
        };
    };
    auto isOn = [&v](int AppSettings::*field) { return [&v, field] { return v.Settings().*field != 0; }; };
    routes.push_back({CmdShowGrid, toggle(&AppSettings::ShowGrid), {}, isOn(&AppSettings::ShowGrid)});
    routes.push_back({CmdSnapToGrid, toggle(&AppSettings::SnapToGrid), {}, isOn(&AppSettings::SnapToGrid)});
    routes.push_back({CmdSnapToAreas, toggle(&AppSettings::SnapToAreas), {}, isOn(&AppSettings::SnapToAreas)});
}
