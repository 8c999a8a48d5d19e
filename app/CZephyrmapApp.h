#pragma once
// The application: loads the preferences at start-up, owns the document and
// the main window, and writes the preferences back after a normal exit.

#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"

#include <memory>

class CMainFrame;
class CZephyrmapDoc;
class MapPicture;

class CZephyrmapApp
{
public:
    explicit CZephyrmapApp(std::unique_ptr<SettingsStore> store);
    ~CZephyrmapApp();

    // Start-up: preferences, document, main window (shown).
    void InitInstance();
    // After the main window is gone: the preferences are written back.
    void ExitInstance();
    int Run();

    AppSettings& Settings() { return m_settings; }
    CMainFrame* Frame() { return m_frame.get(); }
    CZephyrmapDoc* Document() { return m_doc.get(); }
    MapPicture* Picture() { return m_picture.get(); }
    void DestroyFrame();

private:
    AppSettings m_settings;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MapPicture> m_picture; // the document's picture
    std::unique_ptr<CZephyrmapDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
