#pragma once
// The commands that put the map out in its SVG form, for pages that show the
// picture at any size: save it to a file through the text file dialog, or
// copy it to the clipboard. The SVG cannot be read back as a map, so neither
// counts as saving the map: the question about changes still comes.

#include "app/DocumentCommands.h"
#include "view/CommandRoute.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CMainFrame;
class CZephyrmapDoc;
class SettingsStore;
struct AppSettings;

class SvgCommands
{
public:
    SvgCommands(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, CMainFrame& frame);

    std::vector<CommandRoute> Commands();

    bool SaveSvgSource();
    bool CopySvgToClipboard();
    // The map's SVG form as the settings write links and the picture.
    std::string SvgSource() const;

    // The path a save goes to: with no '.' anywhere in it, the file type's
    // extension is added (".svg", ".html" or ".txt" for the first three types).
    static std::string WithExtension(const std::string& path, int filterIndex);

    // The save dialog, for tests to stand in for; nothing for cancel.
    std::function<std::optional<DocumentCommands::SaveTarget>()> chooseSaveTarget;

private:
    std::optional<DocumentCommands::SaveTarget> AskSaveTarget();

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    SettingsStore& m_store;
    CMainFrame& m_frame;
};
