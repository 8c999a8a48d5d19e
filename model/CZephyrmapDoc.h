#pragma once
// The map document, the hub of the program: the map's attributes, the owned
// list of areas in output order, and the undo history. The view and the
// panes change the map only through these operations; the document tells
// them back through its DocListener.

#include "model/AreaList.h"
#include "model/CMapData.h"
#include "model/DocListener.h"
#include "model/MapAttributes.h"
#include "model/PictureReplacement.h"
#include "model/SavedState.h"
#include "model/UndoHistory.h"
#include "services/types/PictureSource.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct AppSettings;

class CZephyrmapDoc
{
public:
    explicit CZephyrmapDoc(AppSettings& settings, DocListener* listener = nullptr, PictureSource* picture = nullptr);
    ~CZephyrmapDoc();

    void SetListener(DocListener* listener);
    void SetPictureSource(PictureSource* picture) { m_picture = picture; }
    PictureSource* Picture() const { return m_picture; }
    DocListener& Listener() { return *m_listener; }
    AppSettings& Settings() { return m_settings; }

    // Area list; no history.
    AreaPos InsertArea(std::unique_ptr<CMapData> area);
    AreaPos InsertAreaAt(int index, std::unique_ptr<CMapData> area);
    // Appends without refreshing the area count, for readers filling a new map.
    void AppendArea(std::unique_ptr<CMapData> area) { m_areas.push_back(std::move(area)); }
    // The same for a whole list at once, which is left empty.
    void AppendAreas(AreaList& areas) { m_areas.splice(m_areas.end(), areas); }
    std::unique_ptr<CMapData> DetachArea(AreaPos pos);
    bool MoveAreaInList(int destination, int source);
    CMapData* FindDefaultArea();
    std::optional<AreaPos> GetPositionAt(int index);
    std::optional<AreaPos> FindArea(const CMapData* area);
    int IndexOf(const CMapData* area) const;
    CMapData* AreaAt(int index);
    // The same for many at once, in one walk of the list: each area's index
    // (-1 for one not in the map), each index's area (null outside the list).
    std::vector<int> IndexesOf(const std::vector<const CMapData*>& areas) const;
    std::vector<CMapData*> AreasAt(const std::vector<int>& indexes);
    int CountShownAreas() const;
    void MoveDefaultAreaToEnd();
    // The DEFAULT area stands for the whole picture: its points become the
    // picture's rectangle (0, 0) to (width, height). Not an edit.
    void FitDefaultArea(int width, int height);
    void EnsureDefaultArea();
    const AreaList& Areas() const { return m_areas; }
    int AreaCount() const { return static_cast<int>(m_areas.size()); }

    // Undoable operations.
    AreaPos AddAreaUndoable(std::unique_ptr<CMapData> area);
    void RemoveAreaUndoable(AreaPos pos);
    // The areas in the map among these, as one undo step.
    void RemoveAreasUndoable(const std::vector<CMapData*>& areas);
    bool MoveAreaUndoable(int destination, int source);
    // The area at list index `index` takes `points` (typed on the area page),
    // as one undo step, and is shown selected; nothing for the same points.
    void ReshapeAreaUndoable(int index, const PointList& points);
    // The new picture shown, WIDTH and HEIGHT and the areas' points set, as
    // one undo step; the areas must be in the map.
    void ReplacePictureUndoable(const PictureReplacement& replacement);
    void RecordEdit(UndoStep step, std::unique_ptr<CMapData> owned, CMapData* live, bool clearRedo);
    void RecordAreaEdit(std::unique_ptr<CMapData> beforeCopy, CMapData* live);
    // The areas an episode changed, as one undo step; none for an episode
    // that changed nothing.
    void RecordAreaEdits(AreaEdits edits);
    void RecordMapEdit(const MapAttrChange& change, bool clearRedo);
    void MarkMapEditPending(bool pending);
    void AreaAttributesChanged(bool pending);
    void Undo();
    void Redo();
    // The edits recorded between the two are one undo step; nothing is
    // recorded for none, and one edit stays a step of its own.
    void BeginGroup();
    void EndGroup();
    bool CanUndo() const { return m_history.UndoAvailable(); }
    bool CanRedo() const { return m_history.RedoAvailable(); }
    const UndoHistory& History() const { return m_history; }

    // Map attributes.
    const std::string& Attribute(MapAttribute index) const { return m_attributes[index]; }
    void SetAttribute(MapAttribute index, const std::string& text) { m_attributes[index] = text; }
    const std::string& MapName() const { return Attribute(AttrMapName); }
    const std::string& ImageSrc() const { return Attribute(AttrImageSrc); }
    const std::string& HtmlPath() const { return Attribute(AttrHtmlPath); }
    const std::string& Width() const { return Attribute(AttrWidth); }
    const std::string& Height() const { return Attribute(AttrHeight); }
    // The picture becomes `path`: loaded, shown, and its size taken for WIDTH and HEIGHT.
    void SetPicture(const std::string& path);
    // Loads the picture through the picture source; false when nothing could be loaded.
    bool LoadPicture(const std::string& path);
    // WIDTH and HEIGHT from the loaded picture, both emptied when none is loaded.
    bool RefreshPictureSize();

    // Area helpers for the area page.
    // The area at list index `index`; nothing for an index outside the list.
    void SetAreaAttributes(int index, const std::optional<std::string>& href, const std::optional<std::string>& target,
                           const std::optional<std::string>& alt, int hrefIsPath, int noHref,
                           const std::optional<std::string>& otherAttrs);
    void ReplaceAreaAnchor(int index, const std::string& anchor);
    bool IsInPageLink(const CMapData& area) const { return area.IsInPageLink(HtmlPath()); }

    // Contents.
    void ClearContents();
    void DeleteContents();
    // Whether the map differs from what was last saved or put out (or from
    // what it was when it was made or read in).
    bool IsModified() const { return m_modified; }
    // False: the map as it is now has been saved.
    void SetModified(bool modified);
    // The native file the map was opened from or saved to; empty for none
    // (the title then reads "無題").
    const std::string& PathName() const { return m_pathName; }
    void SetPathName(const std::string& path);
    const std::string& Title() const { return m_title; }
    void ShowAreaCount();

    bool IsMapEditPending() const { return m_mapEditPending; }
    bool IsAreaEditPending() const { return m_areaEditPending; }
    // A native file was refused: the document stays empty.
    bool IsLoadRejected() const { return m_loadRejected; }
    void SetLoadRejected(bool rejected) { m_loadRejected = rejected; }

private:
    void CommitPendingEdit();
    void UpdateModified();
    void SwapWithBeforeCopy(const UndoStep& step);
    void RestoreMapAttribute(int index, const std::string& text);
    // The picture loaded and shown with the WIDTH and HEIGHT given, not
    // taken from it: a map may hold another size than its picture's.
    void ShowReplacedPicture(const std::string& path, const std::string& width, const std::string& height);
    void ReplayPicture(UndoStep step, bool undo);
    void UndoStepOf(UndoStep step);
    void RedoStepOf(UndoStep step);
    void UndoRemoved(UndoStep step);
    // Takes the step's live area out of the map, remembering its index;
    // nothing when the area is no longer there.
    std::unique_ptr<CMapData> TakeOutLiveArea(UndoStep& step);
    void UndoAdded(UndoStep step);
    void UndoGeometry(UndoStep step);
    void UndoReordered(UndoStep step);
    void ReplayGroup(UndoStep step, bool undo);
    // Pushes a group of the steps captured, or the one step alone.
    void PushCaptured(std::vector<UndoStep> parts, bool onUndo);
    std::vector<CMapData*> LiveAreasOf(const UndoStep& step) const;
    void RedoRemoved(UndoStep step);
    void RedoAdded(UndoStep step);
    void RedoReordered(UndoStep step);
    void SelectInViewAndList(CMapData* area);
    void RemoveAreaUndoable(AreaPos pos, int index);

    // While a group is recorded or replayed, what concerns the whole map
    // (the list, the picture, the area count, the modified flag) is brought
    // up to date once, when the outermost group ends, and the selections of
    // single areas a replay would make give way to the group's own.
    void BeginBatch() { ++m_batchDepth; }
    void EndBatch();
    void RefillList();
    void RedrawPicture();
    void ShowInList(CMapData* area);
    // Selects the area in the view; null clears the view's selection.
    void ShowInView(CMapData* area);

    std::array<std::string, kMapAttributeCount> m_attributes;
    bool m_mapEditPending = false;
    bool m_areaEditPending = false;
    bool m_loadRejected = false;
    AppSettings& m_settings;
    DocListener m_silent;
    DocListener* m_listener;
    PictureSource* m_picture; // not owned
    AreaList m_areas;
    UndoHistory m_history;
    bool m_modified = false;
    SavedState m_saved; // what was last saved or put out
    int m_batchDepth = 0;
    struct Waiting {
        bool list = false, picture = false, count = false, modified = false;
    } m_waiting; // what a batch has put off
    std::string m_pathName;
    std::string m_title;
};
