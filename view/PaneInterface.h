#pragma once
// What the view and the property pages ask of the main frame. The frame
// forwards each call to the pages or to the view, so that neither of them
// knows the other. Areas are named by their index in the document's list;
// -1 stands for none.

#include "view/CommandIds.h"

#include <string>
#include <vector>

class QAction;
class QString;

// The status bar's panes: the prompt pane, then the view's four.
enum StatusPane : int {
    PanePrompt = 0,
    PaneMagnification = 1,
    PanePictureInfo = 2,
    PaneAreaCount = 3,
    PaneCoordinates = 4,
};

class PaneInterface
{
public:
    virtual ~PaneInterface() = default;

    // The area page.
    virtual void SelectArea(int index) = 0;
    // Several rows at once; their attributes are not shown.
    virtual void SelectAreas(const std::vector<int>& indices) = 0;
    virtual void SelectDefaultArea() = 0;
    virtual void ClearSelection() = 0; // the page's row selection
    virtual void RefreshList() = 0;
    virtual void FillList() = 0;
    virtual void FillPanes() = 0;
    virtual void EnablePanes(bool enable) = 0;
    virtual void UpdateRelativeChecks() = 0;
    virtual int GetSelectedArea() const = 0;
    virtual int GetListSelectionMark() const = 0;
    virtual void ShowAreaAttributes(int index) = 0;
    virtual void ShowTab(int index) = 0;

    // Editing episodes of the pages, each one undo step.
    virtual void CommitPendingEdits() = 0;
    virtual void BeginAreaEdit(int index) = 0;
    virtual void BeginMapEdit(int attributeIndex, const std::string& text) = 0;
    // Called before a page changes the area or the map attribute: keeps the
    // episode open for it, or closes whatever is open and opens a new one
    // from the map as it is now. An episode ends whenever anything commits
    // it (a save, an output, undo, any command, the pane losing the focus),
    // so the next change after that starts from a fresh copy.
    virtual void EnsureAreaEdit(int index) = 0;
    // The same for an edit of several areas at once.
    virtual void EnsureAreasEdit(const std::vector<int>& indices) = 0;
    virtual void EnsureMapEdit(int attributeIndex) = 0;

    // The view, for the pages.
    virtual void SelectAreaInView(int index) = 0;
    virtual void SelectAreasInView(const std::vector<int>& indices) = 0;
    virtual void DeselectAreaInView() = 0;
    virtual void DeleteSelectedArea() = 0;
    virtual bool ViewHasSelection() const = 0;

    // The frame's own.
    virtual bool IsMapOpen() const = 0;
    virtual void SetStatusText(StatusPane pane, const QString& text) = 0;
    // The one action of a command, shared by menus, tool bar and context menus.
    virtual QAction* Action(CommandId id) const = 0;
    // Something a command's enable or check rule reads has changed.
    virtual void CommandStateChanged() = 0;
};
