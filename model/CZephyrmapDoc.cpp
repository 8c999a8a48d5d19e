#include "model/CZephyrmapDoc.h"

#include "model/Messages.h"
#include "services/paths/PathUtil.h"
#include "services/settings/AppSettings.h"

#include <algorithm>

CZephyrmapDoc::CZephyrmapDoc(AppSettings& settings, DocListener* listener, PictureSource* picture)
    : m_settings(settings), m_listener(listener ? listener : &m_silent), m_picture(picture)
{
    m_title = texts::Untitled();
}

CZephyrmapDoc::~CZephyrmapDoc() = default;

void CZephyrmapDoc::SetListener(DocListener* listener)
{
    m_listener = listener ? listener : &m_silent;
}

// ---- Area list ----

AreaPos CZephyrmapDoc::InsertArea(std::unique_ptr<CMapData> area)
{
    AreaPos where = m_areas.end();
    if (m_settings.DefaultAreaTailInEffect) {
        where = std::find_if(m_areas.begin(), m_areas.end(), [](const auto& a) { return a->m_shape == ShapeDefault; });
    }
    AreaPos pos = m_areas.insert(where, std::move(area));
    ShowAreaCount();
    return pos;
}

AreaPos CZephyrmapDoc::InsertAreaAt(int index, std::unique_ptr<CMapData> area)
{
    AreaPos where = m_areas.end();
    if (index >= 0 && index < AreaCount())
        where = std::next(m_areas.begin(), index);
    AreaPos pos = m_areas.insert(where, std::move(area));
    ShowAreaCount();
    return pos;
}

std::unique_ptr<CMapData> CZephyrmapDoc::DetachArea(AreaPos pos)
{
    std::unique_ptr<CMapData> area = std::move(*pos);
    m_areas.erase(pos);
    ShowAreaCount();
    return area;
}

bool CZephyrmapDoc::MoveAreaInList(int destination, int source)
{
    const int count = AreaCount();
    if (destination == source || destination == source + 1 || source < 0 || source >= count || destination < 0 ||
        destination > count)
        return false;
    AreaPos from = std::next(m_areas.begin(), source);
    AreaPos to = std::next(m_areas.begin(), destination);
    m_areas.splice(to, m_areas, from);
    ShowAreaCount();
    return true;
}

CMapData* CZephyrmapDoc::FindDefaultArea()
{
    for (auto& a : m_areas) {
        if (a->m_shape == ShapeDefault)
            return a.get();
    }
    return nullptr;
}

std::optional<AreaPos> CZephyrmapDoc::GetPositionAt(int index)
{
    if (index < 0 || index >= AreaCount())
        return std::nullopt;
    return std::next(m_areas.begin(), index);
}

std::optional<AreaPos> CZephyrmapDoc::FindArea(const CMapData* area)
{
    for (AreaPos it = m_areas.begin(); it != m_areas.end(); ++it) {
        if (it->get() == area)
            return it;
    }
    return std::nullopt;
}

int CZephyrmapDoc::IndexOf(const CMapData* area) const
{
    int i = 0;
    for (const auto& a : m_areas) {
        if (a.get() == area)
            return i;
        ++i;
    }
    return -1;
}

CMapData* CZephyrmapDoc::AreaAt(int index)
{
    auto pos = GetPositionAt(index);
    return pos ? (*pos)->get() : nullptr;
}

int CZephyrmapDoc::CountShownAreas() const
{
    int count = AreaCount();
    for (const auto& a : m_areas) {
        if (a->m_shape == ShapeDefault)
            return a->HasNoAttributes() ? count - 1 : count;
    }
    return count;
}

void CZephyrmapDoc::MoveDefaultAreaToEnd()
{
    auto it = std::find_if(m_areas.begin(), m_areas.end(), [](const auto& a) { return a->m_shape == ShapeDefault; });
    if (it != m_areas.end())
        m_areas.splice(m_areas.end(), m_areas, it);
}

void CZephyrmapDoc::FitDefaultArea(int width, int height)
{
    if (CMapData* area = FindDefaultArea())
        area->m_points = {{0, 0}, {width, height}};
}

void CZephyrmapDoc::EnsureDefaultArea()
{
    if (FindDefaultArea())
        return;
    auto area = std::make_unique<CMapData>();
    area->m_shape = ShapeDefault;
    area->m_points = {{0, 0}, {0, 0}};
    m_areas.push_front(std::move(area));
}

void CZephyrmapDoc::ShowAreaCount()
{
    m_listener->ShowAreaCount(CountShownAreas());
}

// ---- Recording ----

// Each undoable operation first records a page's pending edit, so that the
// edit stands before it in the history and finds its area still in the map.
AreaPos CZephyrmapDoc::AddAreaUndoable(std::unique_ptr<CMapData> area)
{
    CommitPendingEdit();
    CMapData* raw = area.get();
    AreaPos pos = InsertArea(std::move(area));
    UndoStep step;
    step.kind = UndoAreaAdded;
    RecordEdit(std::move(step), nullptr, raw, true);
    return pos;
}

void CZephyrmapDoc::RemoveAreaUndoable(AreaPos pos)
{
    CommitPendingEdit();
    UndoStep step;
    step.kind = UndoAreaRemoved;
    step.sourceIndex = IndexOf(pos->get());
    std::unique_ptr<CMapData> area = DetachArea(pos);
    RecordEdit(std::move(step), std::move(area), nullptr, true);
}

bool CZephyrmapDoc::MoveAreaUndoable(int destination, int source)
{
    CommitPendingEdit();
    if (!MoveAreaInList(destination, source))
        return false;
    UndoStep step;
    step.kind = UndoAreaReordered;
    step.sourceIndex = source;
    step.destinationIndex = destination;
    RecordEdit(std::move(step), nullptr, nullptr, true);
    return true;
}

void CZephyrmapDoc::CommitPendingEdit()
{
    if (m_mapEditPending) {
        MapAttrChange change = m_listener->TakeMapAttrChange();
        m_mapEditPending = false;
        RecordMapEdit(change, true);
    } else if (m_areaEditPending) {
        auto [before, live] = m_listener->TakeAreaEdit();
        RecordAreaEdit(std::move(before), live);
    }
}

void CZephyrmapDoc::RecordEdit(UndoStep step, std::unique_ptr<CMapData> owned, CMapData* live, bool clearRedo)
{
    CommitPendingEdit();
    if (owned)
        step.owned = m_history.Own(std::move(owned));
    if (live)
        step.live = m_history.Refer(live);
    m_history.PushUndo(std::move(step));
    if (clearRedo)
        m_history.ClearRedo();
    UpdateModified();
}

void CZephyrmapDoc::RecordAreaEdit(std::unique_ptr<CMapData> beforeCopy, CMapData* live)
{
    m_areaEditPending = false;
    // Typed and taken back out: a step would change nothing and drop what
    // redo holds.
    if (beforeCopy && live && !beforeCopy->SameContent(*live)) {
        UndoStep step;
        step.kind = UndoAreaAttributes;
        RecordEdit(std::move(step), std::move(beforeCopy), live, true);
    } else {
        m_history.SettleUndoAvailable();
    }
    m_listener->AreaEditConsumed();
    UpdateModified();
}

void CZephyrmapDoc::RecordMapEdit(const MapAttrChange& change, bool clearRedo)
{
    m_mapEditPending = false;
    if (change.oldText == change.newText) {
        // Typed and taken back out: an undo step would change nothing.
        m_history.SettleUndoAvailable();
        UpdateModified();
        return;
    }
    if (IsEditableMapAttribute(change.index)) {
        UndoStep step;
        step.kind = UndoMapAttribute;
        step.oldText = change.oldText;
        step.newText = change.newText;
        step.attrIndex = change.index;
        m_history.PushUndo(std::move(step));
        if (clearRedo)
            m_history.ClearRedo();
        UpdateModified();
        return;
    }
    if (clearRedo)
        m_history.ClearRedo();
    UpdateModified();
}

void CZephyrmapDoc::MarkMapEditPending(bool pending)
{
    m_mapEditPending = pending;
    m_history.SetUndoAvailable();
    m_history.ClearRedo();
    UpdateModified();
}

void CZephyrmapDoc::AreaAttributesChanged(bool pending)
{
    m_areaEditPending = pending;
    m_history.SetUndoAvailable();
    m_history.ClearRedo();
    UpdateModified();
    ShowAreaCount();
}

// ---- Undo and redo ----

void CZephyrmapDoc::Undo()
{
    m_listener->ShowWaitCursor(true);
    CommitPendingEdit();
    if (auto step = m_history.PopUndo()) {
        UndoStepOf(std::move(*step));
        UpdateModified();
    }
    m_listener->ShowWaitCursor(false);
    ShowAreaCount();
}

void CZephyrmapDoc::Redo()
{
    m_listener->ShowWaitCursor(true);
    if (auto step = m_history.PopRedo())
        RedoStepOf(std::move(*step));
    m_listener->ShowWaitCursor(false);
    ShowAreaCount();
}

void CZephyrmapDoc::UndoStepOf(UndoStep step)
{
    switch (step.kind) {
    case UndoAreaRemoved:
        UndoRemoved(std::move(step));
        break;
    case UndoAreaAdded:
        UndoAdded(std::move(step));
        break;
    case UndoAreaMoved:
    case UndoAreaReshaped:
    case UndoVertexDeleted:
        UndoGeometry(std::move(step));
        break;
    case UndoMapAttribute:
        RestoreMapAttribute(step.attrIndex, step.oldText);
        m_history.PushRedo(std::move(step));
        m_listener->ShowTab(0);
        break;
    case UndoAreaAttributes: {
        SwapWithBeforeCopy(step);
        CMapData* live = **step.live;
        m_listener->FillList();
        SelectInViewAndList(live);
        m_history.PushRedo(std::move(step));
        m_listener->ShowTab(1);
        break;
    }
    case UndoAreaReordered:
        UndoReordered(std::move(step));
        break;
    case UndoGroup:
        ReplayGroup(std::move(step), true);
        break;
    default:
        break;
    }
}

void CZephyrmapDoc::RedoStepOf(UndoStep step)
{
    switch (step.kind) {
    case UndoAreaRemoved:
        RedoRemoved(std::move(step));
        break;
    case UndoAreaAdded:
        RedoAdded(std::move(step));
        break;
    case UndoAreaMoved:
    case UndoAreaReshaped:
    case UndoVertexDeleted:
    case UndoAreaAttributes: {
        SwapWithBeforeCopy(step);
        CMapData* live = **step.live;
        if (step.kind == UndoAreaAttributes)
            m_listener->FillList();
        else
            m_listener->ReloadPicture();
        SelectInViewAndList(live);
        CommitPendingEdit();
        m_history.PushUndo(std::move(step));
        UpdateModified();
        break;
    }
    case UndoMapAttribute: {
        RestoreMapAttribute(step.attrIndex, step.newText);
        RecordMapEdit({step.oldText, step.newText, step.attrIndex}, false);
        m_listener->ShowTab(0);
        break;
    }
    case UndoAreaReordered:
        RedoReordered(std::move(step));
        break;
    case UndoGroup:
        ReplayGroup(std::move(step), false);
        break;
    default:
        break;
    }
}

// ---- Groups ----

void CZephyrmapDoc::BeginGroup()
{
    CommitPendingEdit();
    m_history.BeginCapture();
}

void CZephyrmapDoc::EndGroup()
{
    PushCaptured(m_history.EndCapture(), true);
    UpdateModified();
}

void CZephyrmapDoc::PushCaptured(std::vector<UndoStep> parts, bool onUndo)
{
    if (parts.empty())
        return;
    UndoStep group;
    if (parts.size() == 1) {
        group = std::move(parts.front());
    } else {
        group.kind = UndoGroup;
        group.parts = std::move(parts);
    }
    if (onUndo)
        m_history.PushUndo(std::move(group));
    else
        m_history.PushRedo(std::move(group));
}

std::vector<CMapData*> CZephyrmapDoc::LiveAreasOf(const UndoStep& step) const
{
    std::vector<CMapData*> areas;
    for (const UndoStep& part : step.parts) {
        CMapData* area = part.live ? **part.live : nullptr;
        if (area && IndexOf(area) >= 0)
            areas.push_back(area);
    }
    return areas;
}

// Undo takes the parts newest first, redo oldest first (each side keeps its
// parts in the order it takes them); what they push for the other side is
// gathered into one step again.
void CZephyrmapDoc::ReplayGroup(UndoStep step, bool undo)
{
    m_history.BeginCapture();
    for (UndoStep& part : step.parts) {
        if (undo)
            UndoStepOf(std::move(part));
        else
            RedoStepOf(std::move(part));
    }
    UndoStep other;
    other.parts = m_history.EndCapture();
    m_listener->SelectViewAreas(LiveAreasOf(other));
    PushCaptured(std::move(other.parts), !undo);
}

void CZephyrmapDoc::SelectInViewAndList(CMapData* area)
{
    m_listener->SelectListRow(area);
    m_listener->SelectViewArea(area);
}

// The area goes back to the place it was removed from, so that undo restores
// the output order exactly.
void CZephyrmapDoc::UndoRemoved(UndoStep step)
{
    std::unique_ptr<CMapData> area = m_history.Release(*step.owned);
    CMapData* raw = area.get();
    InsertAreaAt(step.sourceIndex, std::move(area));
    m_listener->FillList();
    m_listener->SelectListRow(raw);
    m_listener->ReloadPicture();
    m_listener->SelectViewArea(raw);
    step.owned.reset();
    step.live = m_history.Refer(raw);
    m_history.PushRedo(std::move(step));
}

std::unique_ptr<CMapData> CZephyrmapDoc::TakeOutLiveArea(UndoStep& step)
{
    CMapData* raw = **step.live;
    m_history.Drop(*step.live);
    step.live.reset();
    auto pos = FindArea(raw);
    if (!pos)
        return nullptr;
    step.sourceIndex = IndexOf(raw);
    std::unique_ptr<CMapData> area = DetachArea(*pos);
    m_listener->FillList();
    m_listener->ClearViewSelection();
    m_listener->ReloadPicture();
    return area;
}

void CZephyrmapDoc::UndoAdded(UndoStep step)
{
    std::unique_ptr<CMapData> area = TakeOutLiveArea(step);
    if (!area)
        return;
    step.owned = m_history.Own(std::move(area));
    m_history.PushRedo(std::move(step));
}

void CZephyrmapDoc::SwapWithBeforeCopy(const UndoStep& step)
{
    CMapData* live = **step.live;
    CMapData& before = ***step.owned;
    CMapData liveContents = *live;
    *live = before;
    before = liveContents;
}

void CZephyrmapDoc::UndoGeometry(UndoStep step)
{
    SwapWithBeforeCopy(step);
    CMapData* live = **step.live;
    m_listener->ReloadPicture();
    SelectInViewAndList(live);
    step.kind = UndoAreaMoved;
    m_history.PushRedo(std::move(step));
}

void CZephyrmapDoc::UndoReordered(UndoStep step)
{
    const int s = step.sourceIndex, d = step.destinationIndex;
    if (s > d)
        MoveAreaInList(s + 1, d);
    else if (s < d)
        MoveAreaInList(s, d - 1);
    m_listener->FillList();
    m_listener->ClearViewSelection();
    m_listener->ReloadPicture();
    m_history.PushRedo(std::move(step));
    SelectInViewAndList(AreaAt(s));
}

void CZephyrmapDoc::RedoRemoved(UndoStep step)
{
    std::unique_ptr<CMapData> area = TakeOutLiveArea(step);
    if (area)
        RecordEdit(std::move(step), std::move(area), nullptr, false);
}

void CZephyrmapDoc::RedoAdded(UndoStep step)
{
    std::unique_ptr<CMapData> area = m_history.Release(*step.owned);
    step.owned.reset();
    CMapData* raw = area.get();
    InsertAreaAt(step.sourceIndex, std::move(area));
    m_listener->FillList();
    m_listener->ReloadPicture();
    SelectInViewAndList(raw);
    RecordEdit(std::move(step), nullptr, raw, false);
}

void CZephyrmapDoc::RedoReordered(UndoStep step)
{
    const int s = step.sourceIndex, d = step.destinationIndex;
    MoveAreaInList(d, s);
    m_history.PushUndo(step);
    UpdateModified();
    m_listener->FillList();
    m_listener->ReloadPicture();
    SelectInViewAndList(AreaAt(s > d ? d : d - 1));
}

// ---- Map attributes ----

void CZephyrmapDoc::RestoreMapAttribute(int index, const std::string& text)
{
    if (!IsEditableMapAttribute(index))
        return;
    if (index == AttrImageSrc)
        SetPicture(text);
    else
        SetAttribute(static_cast<MapAttribute>(index), text);
    m_listener->ShowMapAttribute(index);
}

bool CZephyrmapDoc::LoadPicture(const std::string& path)
{
    return m_picture && m_picture->Load(path);
}

bool CZephyrmapDoc::RefreshPictureSize()
{
    int width = 0, height = 0;
    const bool loaded = m_picture && m_picture->LoadedSize(width, height);
    SetAttribute(AttrWidth, loaded ? std::to_string(width) : std::string());
    SetAttribute(AttrHeight, loaded ? std::to_string(height) : std::string());
    return loaded;
}

void CZephyrmapDoc::SetPicture(const std::string& path)
{
    LoadPicture(path);
    m_listener->ShowPicture(path);
    SetAttribute(AttrImageSrc, path);
    RefreshPictureSize();
    m_listener->RefreshPages();
}

void CZephyrmapDoc::SetAreaAttributes(int index, const std::optional<std::string>& href,
                                      const std::optional<std::string>& target, const std::optional<std::string>& alt,
                                      int hrefIsPath, int noHref, const std::optional<std::string>& otherAttrs)
{
    if (CMapData* area = AreaAt(index))
        area->SetAttributes(href, target, alt, hrefIsPath, noHref, otherAttrs);
}

void CZephyrmapDoc::ReplaceAreaAnchor(int index, const std::string& anchor)
{
    if (CMapData* area = AreaAt(index))
        area->ReplaceAnchor(anchor);
}

// ---- Contents ----

void CZephyrmapDoc::ClearContents()
{
    m_areas.clear();
    for (std::string& text : m_attributes)
        text.clear();
}

void CZephyrmapDoc::DeleteContents()
{
    ClearContents();
    m_history.Clear();
    m_mapEditPending = m_areaEditPending = false;
    SetModified(false);
    m_listener->RefreshPages();
    m_listener->EnablePanes(false);
    LoadPicture(std::string());
    m_listener->ResetPicture();
    SetPathName(std::string());
}

void CZephyrmapDoc::UpdateModified()
{
    m_listener->MapChanged(); // every edit, undo and redo comes by here
    const bool differs = !m_saved.Matches(m_attributes, m_areas);
    if (m_modified != differs) {
        m_modified = differs;
        m_listener->ModifiedChanged(differs);
    }
}

// True marks the map changed whatever it holds (nothing it holds is known to
// be saved any more); false takes it as saved.
void CZephyrmapDoc::SetModified(bool modified)
{
    if (modified)
        m_saved = SavedState();
    else
        m_saved.Take(m_attributes, m_areas);
    if (m_modified != modified) {
        m_modified = modified;
        m_listener->ModifiedChanged(modified);
    }
}

void CZephyrmapDoc::SetPathName(const std::string& path)
{
    m_pathName = path;
    // A file's own path has no anchor: a '#' in a folder name stays there.
    m_title = path.empty() ? texts::Untitled() : paths::DirectoryOf(path).second;
    m_listener->TitleChanged(m_title);
}
