#pragma once
// The main window: menu bar built from the command table, one QAction per
// command id, and the window title of the open document.

#include "model/DocListener.h"

#include <QLabel>
#include <QMainWindow>
#include <QMap>

class CZephyrmapDoc;

class QAction;
class QMenu;

class CMainFrame : public QMainWindow, public DocListener
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QAction* Action(int id) const { return m_actions.value(id); }
    void SetDocumentTitle(const QString& title);
    void SetDocument(CZephyrmapDoc* doc);
    // Runs every command's enable rule.
    void UpdateCommandUI();
    bool IsMapOpen() const { return m_mapOpen; }

    // DocListener
    void TitleChanged(const std::string& title) override;
    void ShowAreaCount(int count) override;
    void EnablePanes(bool enable) override;
    void ModifiedChanged(bool) override { UpdateCommandUI(); }

private:
    void BuildMenus();
    QAction* MakeAction(int id);
    void FillMagnificationMenu(QMenu* menu);

    QMap<int, QAction*> m_actions;
    CZephyrmapDoc* m_doc = nullptr; // owned by the application
    bool m_mapOpen = false;
    QLabel* m_countPane = nullptr;
};
