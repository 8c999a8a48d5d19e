#pragma once
// The main window: menu bar built from the command table, one QAction per
// command id, and the window title of the open document.

#include <QMainWindow>
#include <QMap>

class QAction;
class QMenu;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QAction* Action(int id) const { return m_actions.value(id); }
    void SetDocumentTitle(const QString& title);

private:
    void BuildMenus();
    QAction* MakeAction(int id);
    void FillMagnificationMenu(QMenu* menu);

    QMap<int, QAction*> m_actions;
};
