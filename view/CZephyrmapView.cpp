#include "view/CZephyrmapView.h"

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/fileinfo/PictureInfo.h"
#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "view/AreaClipboard.h"
#include "view/AreaMove.h"
#include "view/BoxCreation.h"
#include "view/CoordinateStatus.h"
#include "view/EdgeScroller.h"
#include "view/HoverProbe.h"
#include "view/Magnification.h"
#include "view/PanDrag.h"
#include "view/PaneInterface.h"
#include "view/PastePlacement.h"
#include "view/PolygonCreation.h"
#include "view/ProgramCursors.h"
#include "view/RegionTracing.h"
#include "view/SelectionEdits.h"
#include "view/SelectionMode.h"
#include "view/ViewCommands.h"
#include "view/ViewContextMenu.h"
#include "view/ViewKeys.h"
#include "view/ZoomControl.h"
#include "view/ZoomedPicture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kScrollLine = 16;

const char kRenderingFailure[] =
    QT_TRANSLATE_NOOP("CZephyrmapView", "画像のレンダリング処理に失敗しました。\r\n"
                                        "画像サイズが、Zephyrmap!の処理能力を超えている可能性があります。\r\n"
                                        "表示倍率を低く設定して見て下さい。");

QRect Grown(const QRect& r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

} // namespace

CZephyrmapView::CZephyrmapView(CZephyrmapDoc& doc, AppSettings& settings, PaneInterface& frame, ZoomedPicture& zoomed,
                               QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_settings(settings), m_frame(frame), m_zoomed(zoomed),
      m_painter(*this, settings), m_snapper(doc, settings), m_selectMode(std::make_unique<SelectionMode>(*this)),
      m_edgeScroller(std::make_unique<EdgeScroller>(*this, [this](QPoint p) { FollowPointer(p); }))
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_clickTimer.setInterval(kClickMilliseconds);
    connect(&m_clickTimer, &QTimer::timeout, this, [this] {
        if (m_drag)
            m_drag->TimerFired();
        else
            m_clickTimer.stop();
        AfterEvent();
    });
    m_zoomed.SetFillColour(m_settings.Bgcolor);
    // Asking the clipboard can take a round trip to another program: it is
    // asked when it changes, not by every enable rule.
    auto clipboardChanged = [this] {
        m_clipboardHasArea = AreaClipboard::ClipboardContents() & AreaClipboard::HasArea;
        emit StateChanged();
    };
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, clipboardChanged);
    m_clipboardHasArea = AreaClipboard::ClipboardContents() & AreaClipboard::HasArea;
}

CZephyrmapView::~CZephyrmapView() = default;

const MapPicture& CZephyrmapView::Picture() const
{
    return m_zoomed.Picture();
}

float CZephyrmapView::Factor() const
{
    return m_settings.magni;
}

// ---- Rendering ----

bool CZephyrmapView::ApplyMagnification(float factor)
{
    return ZoomControl(*this).KeepingSelection(factor);
}

bool CZephyrmapView::ZoomAround(float factor, QPoint anchor)
{
    return ZoomControl(*this).Around(factor, anchor);
}

void CZephyrmapView::ZoomToFit()
{
    ZoomControl(*this).ToFit();
}

bool CZephyrmapView::Rescale(float factor)
{
    m_settings.magni = factor;
    bool drawn = true;
    if (m_zoomed.IsLoaded()) {
        drawn = m_zoomed.Render(factor);
        if (!drawn)
            ShowRenderingFailure();
        UpdateScrollBars();
    }
    m_selection.Rebuild(factor);
    InvalidateAll();
    SetMagnificationText();
    emit StateChanged();
    return drawn;
}

QSize CZephyrmapView::PictureSize() const
{
    int width = 0, height = 0;
    return m_zoomed.LoadedSize(width, height) ? QSize(width, height) : QSize();
}

QSize CZephyrmapView::ScaledSize() const
{
    return m_zoomed.ScaledSize();
}

void CZephyrmapView::ShowPicture(const std::string& path)
{
    if (m_zoomed.IsLoaded()) {
        if (m_zoomed.Render(Factor()))
            UpdateScrollBars();
        else
            ShowRenderingFailure();
    } else {
        UpdateScrollBars();
    }
    ClearViewSelection();
    // A new picture is shown before the map takes its name.
    SetPictureInfoText(path.empty() ? m_doc.ImageSrc() : path);
    emit StateChanged();
}

// A new or opened map: nothing being drawn, moved or placed carries over.
void CZephyrmapView::ResetPicture()
{
    EndInteractions();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    ShowPicture(std::string());
}

void CZephyrmapView::ReloadPicture()
{
    // The picture is read again only when its file changed since it was
    // loaded (an external editor saved it); otherwise it is merely redrawn.
    if (m_zoomed.IsStale(m_doc.ImageSrc())) {
        m_doc.LoadPicture(m_doc.ImageSrc());
        ShowPicture(m_doc.ImageSrc());
    }
    m_hovered = nullptr;
    InvalidateAll();
}

void CZephyrmapView::RefreshAfterSettings()
{
    // The background shows through transparent pictures, so they are read again.
    m_zoomed.SetFillColour(m_settings.Bgcolor);
    m_doc.LoadPicture(m_doc.ImageSrc());
    if (m_zoomed.IsLoaded() && !m_zoomed.Render(Factor()))
        ShowRenderingFailure();
    UpdateScrollBars();
    m_selection.Rebuild(Factor());
    InvalidateAll();
}

void CZephyrmapView::ToggleHatching()
{
    m_settings.Hatching = m_settings.Hatching ? 0 : 1;
    InvalidateAll();
    emit StateChanged();
}

void CZephyrmapView::ShowAreaCount(int count)
{
    m_frame.SetStatusText(PaneAreaCount, tr("ｴﾘｱ数 : %1").arg(count));
}

void CZephyrmapView::InitialUpdate()
{
    m_settings.magni = magnification::Known(m_settings.magni);
    ShowPicture(m_doc.ImageSrc());
    ApplyMagnification(m_settings.magni);
    m_initialised = true;
}

void CZephyrmapView::SetMagnificationText()
{
    m_frame.SetStatusText(PaneMagnification, QStringLiteral("%1%").arg(std::lround(Factor() * 100)));
}

void CZephyrmapView::SetPictureInfoText(const std::string& path)
{
    std::string height, width, size;
    m_zoomed.Picture().GetInfoText(&height, &width, &size);
    const std::string text = pictureinfo::StatusText(width, height, size, path);
    m_frame.SetStatusText(PanePictureInfo, ToQString(text));
}

// Where the pointer is, or what is being drawn, moved or reshaped.
void CZephyrmapView::ShowPointer()
{
    const CMapData* shape = Active().Shape();
    const Point pointer = ToPicture(m_pointer);
    m_frame.SetStatusText(PaneCoordinates, shape ? coordinatestatus::ShapeText(*shape, pointer)
                                                 : coordinatestatus::PointerText(pointer));
    ShowHoveredLink();
}

// Where the area under a resting pointer leads, in the prompt pane; the
// prompt goes back to idle when the pointer leaves it.
void CZephyrmapView::ShowHoveredLink()
{
    const CMapData* area = m_tool == Tool::Select && !m_drag ? m_hovered : nullptr;
    const QString text = area ? coordinatestatus::LinkText(*area) : QString();
    if (text == m_linkShown)
        return;
    m_linkShown = text;
    m_frame.SetStatusText(PanePrompt, text);
}

void CZephyrmapView::ShowRenderingFailure()
{
    ProgramMessage::Show(nullptr, QMessageBox::Warning, kErrorCaption, tr(kRenderingFailure));
}

void CZephyrmapView::UpdateScrollBars()
{
    const QSize scaled = m_zoomed.ScaledSize();
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, scaled.width() - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, scaled.height() - client.height()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    horizontalScrollBar()->setSingleStep(kScrollLine);
    verticalScrollBar()->setSingleStep(kScrollLine);
}

// ---- Coordinates ----

QPoint CZephyrmapView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QSize CZephyrmapView::SurfaceClient() const
{
    return m_pageClient.isValid() ? m_pageClient : viewport()->size();
}

QPoint CZephyrmapView::Origin() const
{
    const QSize scaled = m_zoomed.ScaledSize();
    if (scaled.isEmpty())
        return {0, 0};
    const QSize client = SurfaceClient();
    return {std::max(0, (client.width() - scaled.width()) / 2), std::max(0, (client.height() - scaled.height()) / 2)};
}

QRect CZephyrmapView::PictureRect() const
{
    return QRect(Origin(), m_zoomed.ScaledSize());
}

QPoint CZephyrmapView::ToLogical(Point p) const
{
    const float z = Factor();
    const QPoint origin = Origin();
    return {static_cast<int>(static_cast<float>(p.x) * z) + origin.x(),
            static_cast<int>(static_cast<float>(p.y) * z) + origin.y()};
}

Point CZephyrmapView::ToPictureFromLogical(QPoint logical) const
{
    const QPoint origin = Origin();
    const float reciprocal = 1.0f / Factor();
    const float x = static_cast<float>(logical.x() - origin.x()) * reciprocal;
    const float y = static_cast<float>(logical.y() - origin.y()) * reciprocal;
    // Beyond 300 % a pixel spans many window pixels: the corner nearest the
    // pointer, not the pixel's top-left one, up to half a pixel away.
    if (Factor() > magnification::kLargestClassic)
        return {static_cast<int>(std::floor(x + 0.5f)), static_cast<int>(std::floor(y + 0.5f))};
    return {static_cast<int>(x), static_cast<int>(y)};
}

Point CZephyrmapView::ToPicture(QPoint viewportPoint) const
{
    const QSize scaled = m_zoomed.ScaledSize();
    const QSize client = viewport()->size();
    const QPoint logical = viewportPoint + ScrollPosition();
    const int x = std::clamp(logical.x(), 0, std::max(client.width(), scaled.width()));
    const int y = std::clamp(logical.y(), 0, std::max(client.height(), scaled.height()));
    return ToPictureFromLogical({x, y});
}

// In window pixels, so that the picture's first column counts at any magnification.
bool CZephyrmapView::PointerInsidePicture() const
{
    const QSize scaled = m_zoomed.ScaledSize();
    if (scaled.isEmpty())
        return false;
    const QPoint logical = m_pointer + ScrollPosition() - Origin();
    return logical.x() > 0 && logical.y() > 0 && logical.x() < scaled.width() && logical.y() < scaled.height();
}

bool CZephyrmapView::IsDragging() const
{
    return m_drag && !IsPlacing();
}

bool CZephyrmapView::IsPlacing() const
{
    return dynamic_cast<const PastePlacement*>(m_drag.get()) != nullptr;
}

void CZephyrmapView::InvalidateAll()
{
    viewport()->update();
}

void CZephyrmapView::InvalidateChange(const Rect& before, const Rect& after)
{
    const QPoint shift = Origin() - ScrollPosition();
    QRect dirty;
    for (const Rect& r : {before, after}) {
        if (!r.IsEmpty())
            dirty |= Grown(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)).translated(shift), 1);
    }
    // The mark of a snapped point lies a few pixels around the point.
    if (!dirty.isEmpty())
        viewport()->update(m_snapper.Mark() ? Grown(dirty, 8) : dirty);
}

// ---- Painting ----

void CZephyrmapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll = ScrollPosition();
    painter.translate(-scroll);
    PaintSurface(painter, event->rect().translated(scroll));
}

void CZephyrmapView::PaintSurface(QPainter& painter, const QRect& clip)
{
    painter.save();
    painter.setClipRect(clip);
    painter.fillRect(clip, ToQColor(m_settings.Bgcolor));
    int width = 0, height = 0;
    const bool loaded = m_zoomed.LoadedSize(width, height);
    if (loaded)
        PaintPicture(painter, clip);
    if (loaded && m_settings.ShowGrid)
        m_painter.PaintGrid(painter, clip);
    // The DEFAULT area stands for the whole picture.
    m_doc.FitDefaultArea(loaded ? width : 0, loaded ? height : 0);
    painter.setPen(m_painter.OutlinePen());
    painter.setBrush(m_painter.AreaBrush());
    if (m_tool != Tool::Select && m_creation)
        m_creation->Paint(painter);
    painter.setPen(m_painter.OutlinePen());
    painter.setBrush(m_painter.AreaBrush());
    for (const auto& area : m_doc.Areas())
        m_painter.DrawArea(painter, *area);
    m_painter.PaintHandles(painter, m_selection);
    if (m_drag)
        m_drag->Paint(painter);
    if (m_snapper.Mark())
        m_painter.PaintSnapMark(painter, *m_snapper.Mark());
    painter.restore();
}

void CZephyrmapView::PaintPicture(QPainter& painter, const QRect& clip)
{
    const QPoint origin = Origin();
    m_zoomed.Blit(painter, clip.topLeft() - origin, clip);
}

// The whole scaled surface, its picture filling the page: no centring margin.
void CZephyrmapView::PaintPage(QPainter& painter)
{
    m_pageClient = m_zoomed.ScaledSize();
    PaintSurface(painter, QRect(QPoint(0, 0), m_pageClient));
    m_pageClient = QSize();
}

// ---- Selection and editing ----

void CZephyrmapView::SetCursorKind(CursorKind kind)
{
    m_cursor = kind;
}

void CZephyrmapView::ApplyCursor()
{
    switch (m_cursor) {
    case CursorKind::Nothing:
        viewport()->unsetCursor();
        break;
    case CursorKind::OverArea: {
        auto* move = dynamic_cast<AreaMove*>(m_drag.get());
        viewport()->setCursor(move && move->IsMoving() && m_ctrl ? ProgramCursors::Copy() : QCursor(Qt::SizeAllCursor));
        break;
    }
    case CursorKind::SizeNwse:
        viewport()->setCursor(Qt::SizeFDiagCursor);
        break;
    case CursorKind::SizeNesw:
        viewport()->setCursor(Qt::SizeBDiagCursor);
        break;
    case CursorKind::SizeNs:
        viewport()->setCursor(Qt::SizeVerCursor);
        break;
    case CursorKind::SizeWe:
        viewport()->setCursor(Qt::SizeHorCursor);
        break;
    case CursorKind::Drawing:
        viewport()->setCursor(ProgramCursors::Drawing());
        break;
    case CursorKind::InsertVertex:
        viewport()->setCursor(ProgramCursors::Insert());
        break;
    case CursorKind::Pan:
        viewport()->setCursor(Qt::OpenHandCursor);
        break;
    case CursorKind::Panning:
        viewport()->setCursor(Qt::ClosedHandCursor);
        break;
    }
    // Space held over an idle view: the hand that a drag would take.
    if (m_space && m_cursor != CursorKind::Panning && !Active().IsBusy())
        viewport()->setCursor(Qt::OpenHandCursor);
}

void CZephyrmapView::Hover(Point p)
{
    const HoverProbe probe = HoverProbe::At(m_selection, m_doc, p, Factor());
    m_selection.hoveredHandle = probe.handle;
    m_selection.hoveredEdge = probe.edge;
    m_hovered = probe.area;
    SetCursorKind(probe.cursor);
}

void CZephyrmapView::SelectArea(CMapData* area)
{
    if (!area || area->m_shape == ShapeDefault || m_doc.IndexOf(area) < 0) {
        DeselectArea();
        return;
    }
    m_selection.Build(area, Factor(), -1);
    InvalidateAll();
    emit StateChanged();
}

void CZephyrmapView::SelectAreas(const std::vector<CMapData*>& areas)
{
    const std::vector<int> indexes = m_doc.IndexesOf({areas.begin(), areas.end()});
    std::vector<CMapData*> taken;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (areas[i] && areas[i]->m_shape != ShapeDefault && indexes[i] >= 0)
            taken.push_back(areas[i]);
    }
    m_selection.SetAreas(std::move(taken), Factor());
    InvalidateAll();
    emit StateChanged();
}

void CZephyrmapView::SelectAreaAt(int index)
{
    SelectArea(m_doc.AreaAt(index));
}

void CZephyrmapView::DeselectArea()
{
    m_selection.Clear();
    m_hovered = nullptr;
    InvalidateAll();
    emit StateChanged();
}

void CZephyrmapView::ClearViewSelection()
{
    DeselectArea();
}

void CZephyrmapView::SelectAndTell(CMapData* area)
{
    m_selection.Build(area, Factor(), -1);
    m_frame.SelectArea(m_doc.IndexOf(area));
    InvalidateAll();
    emit StateChanged();
}

void CZephyrmapView::SelectAndTell(const std::vector<CMapData*>& areas)
{
    SelectAreas(areas);
    TellSelection();
}

// The area page shows the view's selection: one row, several or none.
void CZephyrmapView::TellSelection()
{
    const std::vector<CMapData*>& areas = m_selection.Areas();
    const std::vector<int> rows = m_doc.IndexesOf({areas.begin(), areas.end()});
    if (rows.size() == 1)
        m_frame.SelectArea(rows.front());
    else if (rows.empty())
        m_frame.ClearSelection();
    else
        m_frame.SelectAreas(rows);
}

void CZephyrmapView::AddArea(std::unique_ptr<CMapData> area)
{
    CMapData* raw = area.get();
    m_doc.AddAreaUndoable(std::move(area));
    const int index = m_doc.IndexOf(raw);
    m_frame.FillList();
    m_frame.SelectArea(index);
    SelectAreaAt(index);
}

void CZephyrmapView::AddAreas(std::vector<std::unique_ptr<CMapData>> areas)
{
    if (areas.size() == 1) {
        AddArea(std::move(areas.front()));
        return;
    }
    std::vector<CMapData*> added;
    m_doc.BeginGroup();
    for (auto& area : areas) {
        added.push_back(area.get());
        m_doc.AddAreaUndoable(std::move(area));
    }
    m_doc.EndGroup();
    m_frame.FillList();
    SelectAndTell(added);
}

void CZephyrmapView::RecordGeometryEdit(UndoKind kind, std::unique_ptr<CMapData> before, CMapData* live)
{
    UndoStep step;
    step.kind = kind;
    m_doc.RecordEdit(std::move(step), std::move(before), live, true);
    emit StateChanged();
}

void CZephyrmapView::ReshapeAreas(const std::vector<CMapData*>& areas, const std::vector<PointList>& points,
                                  UndoKind kind)
{
    SelectionEdits(*this).Reshape(areas, points, kind);
}

void CZephyrmapView::DeleteSelectedArea()
{
    if (!IsDragging())
        SelectionEdits(*this).Delete();
}

bool CZephyrmapView::CanDeletePoint() const
{
    const CMapData* area = m_selection.Area();
    const int grabbed = m_selection.grabbedHandle;
    return area && area->m_shape == ShapePoly && area->m_points.size() >= 4 && grabbed >= 0 &&
           grabbed < static_cast<int>(area->m_points.size()) && !IsDragging();
}

// Only a grabbed vertex of a polygon that keeps three is removed; nothing
// else is recorded.
void CZephyrmapView::DeletePoint()
{
    if (!CanDeletePoint())
        return;
    CMapData* area = m_selection.Area();
    auto before = std::make_unique<CMapData>(*area);
    area->DeleteVertex(m_selection.grabbedHandle);
    m_selection.Build(area, Factor(), -1);
    RecordGeometryEdit(UndoVertexDeleted, std::move(before), area);
    InvalidateAll();
}

// With a polygon's vertex grabbed, the keys move that vertex; otherwise
// every selected area.
void CZephyrmapView::KeyboardMove(int dx, int dy)
{
    if (!m_selection.IsSelected() || IsDragging())
        return;
    CMapData* area = m_selection.Area();
    const int grabbed = m_selection.grabbedHandle;
    if (!area || area->m_shape != ShapePoly || grabbed < 0 || grabbed >= static_cast<int>(area->m_points.size())) {
        SelectionEdits(*this).MoveBy(dx, dy);
        return;
    }
    auto before = std::make_unique<CMapData>(*area);
    const Point at = area->m_points[grabbed];
    area->MoveVertex(grabbed, at.x + dx, at.y + dy);
    m_selection.Rebuild(Factor());
    RecordGeometryEdit(UndoAreaReshaped, std::move(before), area);
    InvalidateAll();
}

void CZephyrmapView::SelectNeighbour(int direction)
{
    std::vector<CMapData*> drawn;
    for (const auto& area : m_doc.Areas()) {
        if (area->m_shape != ShapeDefault)
            drawn.push_back(area.get());
    }
    if (drawn.empty())
        return;
    const auto at = std::find(drawn.begin(), drawn.end(), m_selection.Area());
    std::ptrdiff_t next = direction > 0 ? 0 : static_cast<std::ptrdiff_t>(drawn.size()) - 1;
    if (at != drawn.end()) {
        const auto count = static_cast<std::ptrdiff_t>(drawn.size());
        next = ((at - drawn.begin()) + direction + count) % count;
    }
    SelectAndTell(drawn[static_cast<std::size_t>(next)]);
}

void CZephyrmapView::SetTool(Tool tool)
{
    if (tool == m_tool || IsDragging())
        return;
    // Whatever was being drawn or placed is dropped: the next area starts empty.
    RetireDrag();
    m_snapper.ClearMark();
    if (m_creation)
        m_retired.push_back(std::move(m_creation));
    switch (tool) {
    case Tool::Polygon:
        m_creation = std::make_unique<PolygonCreation>(*this);
        break;
    case Tool::Circle:
        m_creation = std::make_unique<BoxCreation>(*this, ShapeCirc);
        break;
    case Tool::Rectangle:
        m_creation = std::make_unique<BoxCreation>(*this, ShapeRect);
        break;
    case Tool::Trace:
        m_creation = std::make_unique<RegionTracing>(*this);
        break;
    case Tool::Select:
        break;
    }
    m_tool = tool;
    SetCursorKind(tool == Tool::Select ? CursorKind::Nothing : CursorKind::Drawing);
    ApplyCursor();
    InvalidateAll();
    emit StateChanged();
}

void CZephyrmapView::FinishCreation()
{
    m_snapper.ClearMark();
    if (!m_settings.KeepTool)
        ReturnToSelectionTool();
}

void CZephyrmapView::ReturnToSelectionTool()
{
    m_tool = Tool::Select;
    SetCursorKind(CursorKind::Nothing);
}

void CZephyrmapView::EndInteractions()
{
    m_clickTimer.stop();
    RetireDrag();
    if (m_creation)
        m_retired.push_back(std::move(m_creation));
    m_snapper.ClearMark();
    m_tool = Tool::Select;
    SetCursorKind(CursorKind::Nothing);
    ApplyCursor();
    emit StateChanged();
}

bool CZephyrmapView::CancelInteraction()
{
    if (!Active().Cancel())
        return false;
    m_clickTimer.stop();
    m_snapper.ClearMark();
    AfterEvent();
    InvalidateAll();
    return true;
}

bool CZephyrmapView::PassKey(int key)
{
    return Active().KeyPressed(key);
}

void CZephyrmapView::BeginDrag(std::unique_ptr<Interaction> drag)
{
    RetireDrag();
    m_drag = std::move(drag);
}

void CZephyrmapView::RetireDrag()
{
    if (m_drag)
        m_retired.push_back(std::move(m_drag));
}

void CZephyrmapView::StartPlacement(const std::vector<CMapData>& areas, Point pointer)
{
    if (m_tool != Tool::Select)
        SetTool(Tool::Select);
    BeginDrag(std::make_unique<PastePlacement>(*this, areas, pointer));
    InvalidateAll();
}

Interaction& CZephyrmapView::Active()
{
    if (m_drag)
        return *m_drag;
    if (m_tool != Tool::Select && m_creation)
        return *m_creation;
    return *m_selectMode;
}

// Interactions end themselves; they are dropped only once the event that
// ended them has returned.
void CZephyrmapView::AfterEvent()
{
    if (m_drag && m_drag->IsDone())
        RetireDrag();
    if (m_tool == Tool::Select && m_creation)
        m_retired.push_back(std::move(m_creation));
    m_retired.clear();
    m_edgeScroller->Watch(Active().IsBusy());
    ApplyCursor();
    ShowPointer();
    emit StateChanged();
}

// The pointer outside the view, or the view scrolled under it: the active
// interaction follows as it follows a move.
void CZephyrmapView::FollowPointer(QPoint viewportPoint)
{
    m_pointer = viewportPoint;
    Active().Moved(ToPicture(viewportPoint));
    EndFinishedQuietly();
}

// ---- Events ----

void CZephyrmapView::SyncModifiers(Qt::KeyboardModifiers modifiers)
{
    m_shift = modifiers & Qt::ShiftModifier;
    m_ctrl = modifiers & Qt::ControlModifier;
    m_alt = modifiers & Qt::AltModifier;
    m_snapper.SetSuspended(m_alt);
}

// The middle button, or the left with Space held, moves the picture; a
// drawing in progress waits meanwhile.
bool CZephyrmapView::StartPan(Qt::MouseButton button)
{
    const bool middle = button == Qt::MiddleButton;
    if (m_drag || !m_frame.IsMapOpen() || !(middle || (button == Qt::LeftButton && m_space)))
        return false;
    BeginDrag(std::make_unique<PanDrag>(*this, middle ? PanDrag::Middle : PanDrag::Left));
    return true;
}

void CZephyrmapView::SetSpaceHeld(bool held)
{
    m_space = held;
    ApplyCursor();
}

void CZephyrmapView::ScrollTo(QPoint position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void CZephyrmapView::mousePressEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    SyncModifiers(event->modifiers());
    const Point p = ToPicture(event->position().toPoint());
    if (StartPan(event->button())) {
        AfterEvent();
        return;
    }
    if (event->button() == Qt::LeftButton)
        Active().Pressed(p);
    else if (event->button() == Qt::RightButton && m_drag)
        m_drag->RightPressed(p);
    AfterEvent();
}

void CZephyrmapView::mouseMoveEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    if ((event->modifiers() & Qt::AltModifier) != m_alt)
        SyncModifiers(event->modifiers());
    Active().Moved(ToPicture(event->position().toPoint()));
    EndFinishedQuietly();
}

void CZephyrmapView::mouseReleaseEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    SyncModifiers(event->modifiers());
    const Point p = ToPicture(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        Active().Released(p);
    else if (event->button() == Qt::RightButton && m_drag)
        m_drag->RightReleased(p);
    else if (event->button() == Qt::MiddleButton && m_drag)
        m_drag->MiddleReleased(p);
    AfterEvent();
}

void CZephyrmapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    SyncModifiers(event->modifiers());
    if (event->button() == Qt::LeftButton)
        Active().DoubleClicked(ToPicture(event->position().toPoint()));
    AfterEvent();
}

// Ctrl with the wheel zooms around the pointer; Shift with it scrolls
// sideways; the wheel alone scrolls.
void CZephyrmapView::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y();
    if (event->modifiers() == Qt::ShiftModifier && notches != 0) {
        // A notch is 120; it scrolls as many lines as the desktop says.
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() - notches * QApplication::wheelScrollLines() * bar->singleStep() / 120);
        event->accept();
        return;
    }
    if (!(event->modifiers() & Qt::ControlModifier) || notches == 0 || !m_frame.IsMapOpen()) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const float factor = magnification::NextStep(Factor(), notches > 0 ? 1 : -1);
    if (factor != Factor())
        ZoomAround(factor, event->position().toPoint());
    event->accept();
}

// Moves come often: only the cursor and the coordinates follow, without a
// command update.
void CZephyrmapView::EndFinishedQuietly()
{
    if (m_drag && m_drag->IsDone())
        RetireDrag();
    m_retired.clear();
    ApplyCursor();
    ShowPointer();
}

void CZephyrmapView::ModifiersFromKeys(bool shift, bool ctrl, bool alt)
{
    if (shift == m_shift && ctrl == m_ctrl && alt == m_alt)
        return;
    m_shift = shift;
    m_ctrl = ctrl;
    m_alt = alt;
    m_snapper.SetSuspended(alt);
    Active().ModifiersChanged();
    ApplyCursor();
}

// Tab and Shift+Tab select areas here instead of moving the focus on.
bool CZephyrmapView::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

// A modifier's own key event may not carry the modifier yet (it does not on
// X11): the key itself says what is held.
void CZephyrmapView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
        ModifiersFromKeys(true, m_ctrl, m_alt);
        return;
    case Qt::Key_Control:
        ModifiersFromKeys(m_shift, true, m_alt);
        return;
    case Qt::Key_Alt:
        ModifiersFromKeys(m_shift, m_ctrl, true);
        return;
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            SetSpaceHeld(true);
        return;
    default:
        break;
    }
    if (!ViewKeys(*this).Press(event->key(), event->modifiers())) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    AfterEvent();
}

void CZephyrmapView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift)
        ModifiersFromKeys(false, m_ctrl, m_alt);
    else if (event->key() == Qt::Key_Control)
        ModifiersFromKeys(m_shift, false, m_alt);
    else if (event->key() == Qt::Key_Alt)
        ModifiersFromKeys(m_shift, m_ctrl, false);
    else if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        SetSpaceHeld(false);
    else
        QAbstractScrollArea::keyReleaseEvent(event);
}

void CZephyrmapView::focusInEvent(QFocusEvent* event)
{
    m_shift = m_ctrl = m_alt = m_space = false;
    m_snapper.SetSuspended(false);
    QAbstractScrollArea::focusInEvent(event);
}

void CZephyrmapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CZephyrmapView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CZephyrmapView::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_drag || Active().IsBusy() || !m_frame.IsMapOpen())
        return;
    SetCursorKind(CursorKind::Nothing);
    ApplyCursor();
    m_frame.CommandStateChanged();
    ViewContextMenu(*this, m_frame).Show(event->globalPos());
}

// ---- The area clipboard ----

void CZephyrmapView::CopyArea()
{
    SelectionEdits(*this).Copy();
}

void CZephyrmapView::CutArea()
{
    if (!IsDragging())
        SelectionEdits(*this).Cut();
}

void CZephyrmapView::PasteArea(bool withAttributes)
{
    if (!IsDragging())
        SelectionEdits(*this).Paste(withAttributes);
}

// ---- Commands ----

std::vector<CommandRoute> CZephyrmapView::Commands()
{
    return ViewCommands(*this).Routes();
}
