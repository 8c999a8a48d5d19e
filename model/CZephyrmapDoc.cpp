#include "model/CZephyrmapDoc.h"

#include "model/Messages.h"
#include "services/paths/PathUtil.h"
#include "services/settings/AppSettings.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

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
        where = *GetPositionAt(index);
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

// Walked to from the nearer end: undoing the removal of many areas puts
// them back one after another at the end of those already back.
std::optional<AreaPos> CZephyrmapDoc::GetPositionAt(int index)
{
    const int count = AreaCount();
    if (index < 0 || index >= count)
        return std::nullopt;
    return index <= count / 2 ? std::next(m_areas.begin(), index) : std::prev(m_areas.end(), count - index);
}

std::optional<AreaPos> CZephyrmapDoc::FindArea(const CMapData* area)
{
    const int index = IndexOf(area);
    if (index < 0)
        return std::nullopt;
    return GetPositionAt(index);
}

// Searched from both ends at once, so that an area near either end, as the
// ones a group of removals takes out or puts back, is found at once.
int CZephyrmapDoc::IndexOf(const CMapData* area) const
{
    auto front = m_areas.begin();
    auto back = m_areas.end();
    for (int first = 0, last = AreaCount() - 1; first <= last; ++first, --last) {
        if (front->get() == area)
            return first;
        --back;
        if (back->get() == area)
            return last;
        ++front;
    }
    return -1;
}

std::vector<int> CZephyrmapDoc::IndexesOf(const std::vector<const CMapData*>& areas) const
{
    std::unordered_map<const CMapData*, std::vector<std::size_t>> wanted; // an area may be asked for twice
    for (std::size_t i = 0; i < areas.size(); ++i)
        wanted[areas[i]].push_back(i);
    std::vector<int> indexes(areas.size(), -1);
    int index = 0;
    for (const auto& a : m_areas) {
        if (auto found = wanted.find(a.get()); found != wanted.end()) {
            for (std::size_t i : found->second)
                indexes[i] = index;
        }
        ++index;
    }
    return indexes;
}

std::vector<CMapData*> CZephyrmapDoc::AreasAt(const std::vector<int>& indexes)
{
    std::vector<std::size_t> order(indexes.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return indexes[a] < indexes[b]; });
    std::vector<CMapData*> areas(indexes.size(), nullptr);
    auto it = m_areas.begin();
    int at = 0;
    for (std::size_t i : order) {
        const int index = indexes[i];
        if (index < 0 || index >= AreaCount())
            continue;
        it = std::next(it, index - at);
        at = index;
        areas[i] = it->get();
    }
    return areas;
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
    if (m_batchDepth)
        m_waiting.count = true;
    else
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
    RemoveAreaUndoable(pos, IndexOf(pos->get()));
}

void CZephyrmapDoc::RemoveAreaUndoable(AreaPos pos, int index)
{
    CommitPendingEdit();
    UndoStep step;
    step.kind = UndoAreaRemoved;
    step.sourceIndex = index;
    std::unique_ptr<CMapData> area = DetachArea(pos);
    RecordEdit(std::move(step), std::move(area), nullptr, true);
}

// Found in one walk and taken out from the last to the first, so that each
// area's index still holds when it goes.
void CZephyrmapDoc::RemoveAreasUndoable(const std::vector<CMapData*>& areas)
{
    BeginGroup();
    const std::unordered_set<const CMapData*> wanted(areas.begin(), areas.end());
    std::vector<std::pair<AreaPos, int>> found;
    int index = 0;
    for (AreaPos it = m_areas.begin(); it != m_areas.end(); ++it, ++index) {
        if (wanted.contains(it->get()))
            found.emplace_back(it, index);
    }
    for (auto it = found.rbegin(); it != found.rend(); ++it)
        RemoveAreaUndoable(it->first, it->second);
    EndGroup();
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

void CZephyrmapDoc::ReplacePictureUndoable(const PictureReplacement& replacement)
{
    BeginGroup();
    UndoStep picture;
    picture.kind = UndoPictureReplaced;
    picture.oldText = ImageSrc();
    picture.newText = replacement.path;
    for (auto [index, text] : {std::pair(AttrWidth, &replacement.width), std::pair(AttrHeight, &replacement.height)}) {
        UndoStep size;
        size.kind = UndoMapAttribute;
        size.attrIndex = index;
        size.oldText = Attribute(index);
        size.newText = *text;
        picture.parts.push_back(std::move(size));
    }
    ShowReplacedPicture(replacement.path, replacement.width, replacement.height);
    m_history.PushUndo(std::move(picture));
    m_history.ClearRedo();
    for (const auto& [area, points] : replacement.areas) {
        auto before = std::make_unique<CMapData>(*area);
        area->m_points = points;
        area->BuildRegion();
        UndoStep step;
        step.kind = UndoAreaReshaped;
        RecordEdit(std::move(step), std::move(before), area, true);
    }
    RefillList();
    RedrawPicture();
    ShowInView(nullptr);
    EndGroup();
}

void CZephyrmapDoc::CommitPendingEdit()
{
    if (m_mapEditPending) {
        MapAttrChange change = m_listener->TakeMapAttrChange();
        m_mapEditPending = false;
        RecordMapEdit(change, true);
    } else if (m_areaEditPending) {
        RecordAreaEdits(m_listener->TakeAreaEdits());
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

void CZephyrmapDoc::ReshapeAreaUndoable(int index, const PointList& points)
{
    CMapData* area = AreaAt(index);
    if (!area || area->m_points == points)
        return;
    auto before = std::make_unique<CMapData>(*area);
    area->m_points = points;
    area->BuildRegion();
    UndoStep step;
    step.kind = UndoAreaReshaped;
    RecordEdit(std::move(step), std::move(before), area, true);
    RedrawPicture();
    SelectInViewAndList(area);
}

void CZephyrmapDoc::RecordAreaEdit(std::unique_ptr<CMapData> beforeCopy, CMapData* live)
{
    AreaEdits edits;
    edits.push_back({std::move(beforeCopy), live});
    RecordAreaEdits(std::move(edits));
}

void CZephyrmapDoc::RecordAreaEdits(AreaEdits edits)
{
    m_areaEditPending = false;
    // Typed and taken back out: a step would change nothing and drop what
    // redo holds.
    std::vector<UndoStep> parts;
    for (AreaEdit& edit : edits) {
        if (!edit.before || !edit.live || edit.before->SameContent(*edit.live))
            continue;
        UndoStep part;
        part.kind = UndoAreaAttributes;
        part.owned = m_history.Own(std::move(edit.before));
        part.live = m_history.Refer(edit.live);
        parts.insert(parts.begin(), std::move(part)); // newest first, as the stacks
    }
    if (parts.empty()) {
        m_history.SettleUndoAvailable();
    } else if (parts.size() == 1) {
        RecordEdit(std::move(parts.front()), nullptr, nullptr, true);
    } else {
        UndoStep group;
        group.kind = UndoGroup;
        group.parts = std::move(parts);
        RecordEdit(std::move(group), nullptr, nullptr, true);
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
        RefillList();
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
    case UndoPictureReplaced:
        ReplayPicture(std::move(step), true);
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
            RefillList();
        else
            RedrawPicture();
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
    case UndoPictureReplaced:
        ReplayPicture(std::move(step), false);
        break;
    default:
        break;
    }
}

void CZephyrmapDoc::ReplayPicture(UndoStep step, bool undo)
{
    const auto textOf = [undo](const UndoStep& s) -> const std::string& { return undo ? s.oldText : s.newText; };
    const std::string& width = step.parts.size() == 2 ? textOf(step.parts[0]) : Width();
    const std::string& height = step.parts.size() == 2 ? textOf(step.parts[1]) : Height();
    ShowReplacedPicture(textOf(step), width, height);
    m_listener->ShowTab(0);
    if (undo) {
        m_history.PushRedo(std::move(step));
    } else {
        m_history.PushUndo(std::move(step));
        UpdateModified();
    }
}

// ---- Groups ----

void CZephyrmapDoc::BeginGroup()
{
    CommitPendingEdit();
    m_history.BeginCapture();
    BeginBatch();
}

void CZephyrmapDoc::EndGroup()
{
    PushCaptured(m_history.EndCapture(), true);
    m_waiting.modified = true;
    EndBatch();
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
    std::vector<CMapData*> live;
    for (const UndoStep& part : step.parts) {
        if (part.live)
            live.push_back(**part.live);
    }
    const std::vector<int> indexes = IndexesOf({live.begin(), live.end()});
    std::vector<CMapData*> areas;
    for (std::size_t i = 0; i < live.size(); ++i) {
        if (indexes[i] >= 0)
            areas.push_back(live[i]);
    }
    return areas;
}

// Undo takes the parts newest first, redo oldest first (each side keeps its
// parts in the order it takes them); what they push for the other side is
// gathered into one step again.
void CZephyrmapDoc::ReplayGroup(UndoStep step, bool undo)
{
    m_history.BeginCapture();
    BeginBatch();
    for (UndoStep& part : step.parts) {
        if (undo)
            UndoStepOf(std::move(part));
        else
            RedoStepOf(std::move(part));
    }
    EndBatch();
    UndoStep other;
    other.parts = m_history.EndCapture();
    if (!m_batchDepth)
        m_listener->SelectViewAreas(LiveAreasOf(other));
    PushCaptured(std::move(other.parts), !undo);
}

void CZephyrmapDoc::SelectInViewAndList(CMapData* area)
{
    ShowInList(area);
    ShowInView(area);
}

// ---- Batches ----

void CZephyrmapDoc::EndBatch()
{
    if (--m_batchDepth > 0)
        return;
    const Waiting waiting = std::exchange(m_waiting, Waiting());
    if (waiting.list)
        m_listener->FillList();
    if (waiting.picture)
        m_listener->ReloadPicture();
    if (waiting.count)
        ShowAreaCount();
    if (waiting.modified)
        UpdateModified();
}

void CZephyrmapDoc::RefillList()
{
    if (m_batchDepth)
        m_waiting.list = true;
    else
        m_listener->FillList();
}

void CZephyrmapDoc::RedrawPicture()
{
    if (m_batchDepth)
        m_waiting.picture = true;
    else
        m_listener->ReloadPicture();
}

void CZephyrmapDoc::ShowInList(CMapData* area)
{
    if (!m_batchDepth)
        m_listener->SelectListRow(area);
}

void CZephyrmapDoc::ShowInView(CMapData* area)
{
    if (m_batchDepth)
        return;
    if (area)
        m_listener->SelectViewArea(area);
    else
        m_listener->ClearViewSelection();
}

// The area goes back to the place it was removed from, so that undo restores
// the output order exactly.
void CZephyrmapDoc::UndoRemoved(UndoStep step)
{
    std::unique_ptr<CMapData> area = m_history.Release(*step.owned);
    CMapData* raw = area.get();
    InsertAreaAt(step.sourceIndex, std::move(area));
    RefillList();
    ShowInList(raw);
    RedrawPicture();
    ShowInView(raw);
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
    RefillList();
    ShowInView(nullptr);
    RedrawPicture();
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
    RedrawPicture();
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
    RefillList();
    ShowInView(nullptr);
    RedrawPicture();
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
    RefillList();
    RedrawPicture();
    SelectInViewAndList(raw);
    RecordEdit(std::move(step), nullptr, raw, false);
}

void CZephyrmapDoc::RedoReordered(UndoStep step)
{
    const int s = step.sourceIndex, d = step.destinationIndex;
    MoveAreaInList(d, s);
    m_history.PushUndo(step);
    UpdateModified();
    RefillList();
    RedrawPicture();
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

void CZephyrmapDoc::ShowReplacedPicture(const std::string& path, const std::string& width, const std::string& height)
{
    LoadPicture(path);
    m_listener->ShowPicture(path);
    SetAttribute(AttrImageSrc, path);
    SetAttribute(AttrWidth, width);
    SetAttribute(AttrHeight, height);
    m_listener->RefreshPages();
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
    if (m_batchDepth) {
        m_waiting.modified = true;
        return;
    }
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
