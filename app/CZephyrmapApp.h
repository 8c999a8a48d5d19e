#pragma once
// The application: loads the preferences at start-up, owns the document, its
// picture and the main window, opens the native file named on the command
// line, and writes the preferences back after a normal exit.

#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"

#include <QStringList>

#include <memory>

class CMainFrame;
class DocumentCommands;
class ExternalApps;
class CZephyrmapDoc;
class MapPicture;
class NativeFileCommands;
class RefitCommands;
class SvgCommands;
class ZoomedPicture;

class CZephyrmapApp
{
public:
    explicit CZephyrmapApp(std::unique_ptr<SettingsStore> store);
    ~CZephyrmapApp();

    // Start-up: preferences, document, main window; `arguments` may name one
    // native file to open. The window is shown unless `show` is false.
    void InitInstance(const QStringList& arguments = {}, bool show = true);
    // After the main window is gone: the preferences are written back.
    void ExitInstance();
    int Run(const QStringList& arguments);

    AppSettings& Settings() { return m_settings; }
    SettingsStore& Store() { return *m_store; }
    CMainFrame* Frame() { return m_frame.get(); }
    CZephyrmapDoc* Document() { return m_doc.get(); }
    MapPicture* Picture() { return m_picture.get(); }
    NativeFileCommands* Files() { return m_files.get(); }
    ExternalApps* Externals() { return m_externals.get(); }
    DocumentCommands* Commands() { return m_commands.get(); }
    SvgCommands* Svg() { return m_svg.get(); }
    RefitCommands* Refit() { return m_refit.get(); }

    // The commands that belong to no document: help, ReadMe, about, settings.
    void Help();
    void ReadMe();
    void About();
    bool OpenShippedFile(const QString& path);
    void EditSettings();
    void DestroyFrame();

private:
    void ConnectCommands();

    AppSettings m_settings;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MapPicture> m_picture;   // the document's picture
    std::unique_ptr<ZoomedPicture> m_zoomed; // the same at the view's magnification
    std::unique_ptr<CZephyrmapDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<NativeFileCommands> m_files;
    std::unique_ptr<ExternalApps> m_externals;
    std::unique_ptr<DocumentCommands> m_commands;
    std::unique_ptr<SvgCommands> m_svg;
    std::unique_ptr<RefitCommands> m_refit;
};
