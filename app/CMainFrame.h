#pragma once
// The main window: menus, tool bar and accelerators built from the command
// table, one QAction per command; the editor view in the middle; the docked
// property pane with its map and area pages; the status bar. It is the
// document's listener and the pane interface through which the document, the
// view and the pages reach one another, and it remembers its placement.

#include "model/DocListener.h"
#include "view/CommandRoute.h"
#include "view/PaneInterface.h"

#include <QMainWindow>
#include <QMap>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class CAreaPage;
class CMapData;
class CMapPage;
class CZephyrmapDoc;
class CZephyrmapView;
class MapCheckPane;
class QDockWidget;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;
class SettingsStore;
class ZoomedPicture;
struct AppSettings;

class CMainFrame : public QMainWindow, public DocListener, public PaneInterface
{
    Q_OBJECT
public:
    CMainFrame(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, ZoomedPicture& zoomed,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    CZephyrmapView& View() { return *m_view; }
    CAreaPage& AreaPage() { return *m_areaPage; }
    CMapPage& MapPage() { return *m_mapPage; }
    QTabWidget& PaneTabs() { return *m_tabs; }
    QDockWidget& Pane() { return *m_pane; }
    MapCheckPane& CheckPane() { return *m_checkPane; }
    QToolBar& ToolBar() { return *m_toolBar; }
    QMenu& MagnificationMenu() { return *m_magnificationMenu; } // the tool bar button's
    QLabel& StatusPaneLabel(StatusPane pane) const;

    // Binds each command to its one action; an action with no route stays disabled.
    void AddCommands(const std::vector<CommandRoute>& routes);
    // Runs every command's enable and check rule now.
    void UpdateCommandUI();
    // Asked before the map is emptied or replaced, and before the window
    // closes: false keeps everything as it is.
    void SetSaveModifiedCheck(std::function<bool()> check) { m_saveModified = std::move(check); }
    // Files dropped on the window, opened one after the other.
    void SetDropHandler(std::function<void(const QString&)> open) { m_openDropped = std::move(open); }
    // The recent-file list in the File menu, newest first, and what choosing one does.
    void SetRecentFiles(const QStringList& files);
    void SetRecentFileHandler(std::function<void(const QString&)> open) { m_openRecent = std::move(open); }
    // Restores the placement remembered under "Wnd_Pos": the normal rectangle,
    // then shows the window maximised unless it was closed in the normal state.
    void ShowAsRemembered();

    // DocListener.
    void ShowPicture(const std::string& path) override;
    void ReloadPicture() override;
    void ResetPicture() override;
    void SelectViewArea(CMapData* area) override;
    void SelectViewAreas(const std::vector<CMapData*>& areas) override;
    void ClearViewSelection() override;
    void ShowAreaCount(int count) override;
    void ShowWaitCursor(bool on) override;
    void RefreshPages() override;
    void EnablePanes(bool enable) override;
    void FillList() override;
    void SelectListRow(CMapData* area) override;
    void ClearListSelection() override;
    void ShowMapAttribute(int index) override;
    void ShowTab(int tab) override;
    void TitleChanged(const std::string& title) override;
    void ModifiedChanged(bool modified) override;
    void MapChanged() override;
    MapAttrChange TakeMapAttrChange() override;
    AreaEdits TakeAreaEdits() override;
    void AreaEditConsumed() override;
    void ShowMessage(const std::string& text, bool error) override;

    // PaneInterface.
    void SelectArea(int index) override;
    void SelectAreas(const std::vector<int>& indices) override;
    void SelectDefaultArea() override;
    void ClearSelection() override;
    void RefreshList() override;
    void FillPanes() override;
    void UpdateRelativeChecks() override;
    int GetSelectedArea() const override;
    int GetListSelectionMark() const override;
    void ShowAreaAttributes(int index) override;
    void CommitPendingEdits() override;
    void BeginAreaEdit(int index) override;
    void BeginAreasEdit(const std::vector<int>& indices);
    void BeginMapEdit(int attributeIndex, const std::string& text) override;
    void EnsureAreaEdit(int index) override;
    void EnsureAreasEdit(const std::vector<int>& indices) override;
    void EnsureMapEdit(int attributeIndex) override;
    void SelectAreaInView(int index) override;
    void SelectAreasInView(const std::vector<int>& indices) override;
    void DeselectAreaInView() override;
    void DeleteSelectedArea() override;
    bool ViewHasSelection() const override;
    bool IsMapOpen() const override { return m_mapOpen; }
    void SetStatusText(StatusPane pane, const QString& text) override;
    QAction* Action(CommandId id) const override { return m_actions.value(id); }
    QAction* ActionById(int id) const { return m_actions.value(id); }
    // Whether something handles the command.
    bool IsRouted(int id) const { return m_routes.contains(id); }
    void CommandStateChanged() override;

signals:
    // The map, its picture or whether one is open may have changed.
    void MapMayHaveChanged();

protected:
    QMenu* createPopupMenu() override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void AddMagnificationMenu(QMenu& menu);
    void AddArrangeMenu(QMenu& menu);
    void BuildMagnificationPopup();
    void BuildToolBar();
    void BuildPane();
    void BuildCheckPane();
    void BuildStatusBar();
    void RestoreBars();
    QAction* MakeAction(int id);
    void AddExtraShortcuts();
    void AddToolKeys();
    void ShowMagnificationMenu();
    static QRect OnAScreen(const QRect& remembered);
    void ToggleBar(QWidget* bar, const QString& key);
    void SavePlacement();
    void ScheduleCommandUpdate();
    void FocusMoved(QWidget* from, QWidget* to);
    std::vector<CommandRoute> FrameCommands();

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    SettingsStore& m_store;
    QMap<int, QAction*> m_actions;
    QMap<int, CommandRoute> m_routes;
    CZephyrmapView* m_view = nullptr; // owned by the window
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_pane = nullptr;
    QTabWidget* m_tabs = nullptr;
    CAreaPage* m_areaPage = nullptr;
    CMapPage* m_mapPage = nullptr;
    MapCheckPane* m_checkPane = nullptr; // owned by the window
    QLabel* m_statusPanes[5] = {};
    QString m_prompt; // the prompt pane's text, shown again when a menu's tips leave
    QMenu* m_magnificationMenu = nullptr;
    bool m_mapOpen = false;
    // The map page's pending edit, and the area page's: the area being edited
    // and its copy from before the edit.
    MapAttrChange m_mapEdit;
    std::vector<CMapData*> m_editedAreas; // in the document
    std::vector<std::unique_ptr<CMapData>> m_areaCopies;
    std::function<bool()> m_saveModified;
    std::function<void(const QString&)> m_openDropped;
    std::function<void(const QString&)> m_openRecent;
    QMenu* m_fileMenu = nullptr;
    QList<QAction*> m_recentActions;
    QTimer m_commandUpdate;
    bool m_placementSaved = false;
};
