#pragma once
// What the document tells the view and the main frame. The document never
// depends on an answer except for the pending edits it asks for; every
// method has a do-nothing default so the document runs headless.

#include "model/AreaEdit.h"
#include "model/UndoHistory.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CMapData;

class DocListener
{
public:
    virtual ~DocListener() = default;

    // The view.
    virtual void ShowPicture(const std::string& path) {}
    virtual void ReloadPicture() {}
    virtual void ResetPicture() {}
    virtual void SelectViewArea(CMapData* area) {}
    // Several areas at once, in the view and in the list.
    virtual void SelectViewAreas(const std::vector<CMapData*>& areas) {}
    virtual void ClearViewSelection() {}
    virtual void ShowAreaCount(int count) {}
    virtual void ShowWaitCursor(bool on) {}

    // The frame's pane interface.
    virtual void RefreshPages() {}
    virtual void EnablePanes(bool enable) {}
    virtual void FillList() {}
    virtual void SelectListRow(CMapData* area) {}
    virtual void ClearListSelection() {}
    virtual void ShowMapAttribute(int index) {}
    virtual void ShowTab(int tab) {} // 0 the map page, 1 the area page
    virtual void TitleChanged(const std::string& title) {}
    virtual void ModifiedChanged(bool modified) {}
    // The map may have changed: an edit, an undo or redo, an edit pending.
    virtual void MapChanged() {}

    // Pending edits: the map page's change, and the area page's before-copies
    // with the live areas they were taken from.
    virtual MapAttrChange TakeMapAttrChange() { return {}; }
    virtual AreaEdits TakeAreaEdits() { return {}; }
    virtual void AreaEditConsumed() {}

    // A message for the user: text and whether it is an error.
    virtual void ShowMessage(const std::string& text, bool error) {}
};
