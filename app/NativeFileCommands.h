#pragma once
// The map's own file: opening a .zmf (from the Open command, the command
// line, a dropped file or the recent-file list), saving it, saving it under a
// new name, and the list of the files used last.

#include "view/CommandRoute.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CZephyrmapDoc;
class QWidget;
class SettingsStore;

class NativeFileCommands
{
public:
    NativeFileCommands(CZephyrmapDoc& doc, SettingsStore& store, QWidget* window);

    // Open, Save and Save As; `mapOpen` is the rule of the two saves.
    std::vector<CommandRoute> Commands(std::function<bool()> mapOpen);

    // Asks about unsaved changes first; false when they were kept or the file
    // could not be opened (the map that was open then stays).
    bool Open(const QString& path);
    // The Open command's dialog, then Open.
    void OpenWithDialog();
    // To the file the map came from; Save As when it has none.
    bool Save();
    bool SaveAs();

    const QStringList& RecentFiles() const { return m_recent; }
    // Called whenever the recent-file list changed.
    std::function<void(const QStringList&)> recentFilesChanged;
    // The question about unsaved changes; false keeps everything as it is.
    std::function<bool()> saveModified;
    // Closes the pages' editing episodes, so that what is saved is what is shown.
    std::function<void()> beforeSave;
    // Where the save-as dialog's file name comes from; the dialog unless a
    // test puts a stand-in here. Nothing for cancel.
    std::function<std::optional<QString>()> chooseSavePath;

private:
    bool LoadFile(const std::string& path);
    bool SaveTo(const std::string& path);
    std::optional<QString> AskSavePath();
    void Remember(const QString& path);
    void Forget(const QString& path);

    CZephyrmapDoc& m_doc;
    SettingsStore& m_store;
    QWidget* m_window;
    QStringList m_recent;
};
