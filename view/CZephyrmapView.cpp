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
#include "view/PaneInterface.h"
#include "view/PastePlacement.h"
#include "view/PolygonCreation.h"
#include "view/ProgramCursors.h"
#include "view/RegionTracing.h"
#include "view/SelectionMode.h"
#include "view/ZoomedPicture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>

namespace
{

constexpr float kFactors[] = {0.5f, 1.0f, 1.5f, 2.0f, 3.0f};
constexpr int kScrollLine = 16;
// The largest page image printing renders before it scales the map down.
constexpr int kLargestPageSide = 8192;

const char kRenderingFailure[] = "画像のレンダリング処理に失敗しました。\r\n"
                                 "画像サイズが、Zephyrmap!の処理能力を超えている可能性があります。\r\n"
                                 "表示倍率を低く設定して見て下さい。";

// A stored magnification that is not one of the five gives 1.0: a damaged
// settings file must not make an absurd view.
float KnownFactor(float factor)
{
    for (float known : kFactors) {
        if (factor == known)
            return factor;
    }
    return 1.0f;
}

QRect Grown(const QRect& r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

} // namespace

CZephyrmapView::CZephyrmapView(CZephyrmapDoc& doc, AppSettings& settings, PaneInterface& frame, ZoomedPicture& zoomed,
                               QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_settings(settings), m_frame(frame), m_zoomed(zoomed),
      m_selectMode(std::make_unique<SelectionMode>(*this))
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
    m_settings.magni = factor;
    if (m_zoomed.IsLoaded()) {
        if (!m_zoomed.Render(factor)) {
            ShowRenderingFailure();
            InvalidateAll();
            emit StateChanged();
            return false;
        }
        UpdateScrollBars();
    }
    if (m_selection.IsSelected())
        m_selection.Rebuild(factor);
    InvalidateAll();
    SetMagnificationText();
    emit StateChanged();
    return true;
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

void CZephyrmapView::ResetPicture()
{
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
    if (m_selection.IsSelected())
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
    m_frame.SetStatusText(PaneAreaCount, QStringLiteral("ｴﾘｱ数 : %1").arg(count));
}

void CZephyrmapView::InitialUpdate()
{
    m_settings.magni = KnownFactor(m_settings.magni);
    ShowPicture(m_doc.ImageSrc());
    ApplyMagnification(m_settings.magni);
    m_initialised = true;
}

void CZephyrmapView::SetMagnificationText()
{
    m_frame.SetStatusText(PaneMagnification, QStringLiteral("%1%").arg(static_cast<int>(Factor() * 100)));
}

void CZephyrmapView::SetPictureInfoText(const std::string& path)
{
    std::string height, width, size;
    m_zoomed.Picture().GetInfoText(&height, &width, &size);
    const std::string text = pictureinfo::StatusText(width, height, size, path);
    m_frame.SetStatusText(PanePictureInfo, ToQString(text));
}

void CZephyrmapView::ShowRenderingFailure()
{
    ProgramMessage::Show(nullptr, QMessageBox::Warning, kErrorCaption, QString::fromUtf8(kRenderingFailure));
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

QPoint CZephyrmapView::ToLogical(Point p) const
{
    const float z = Factor();
    const QPoint origin = Origin();
    return {static_cast<int>(static_cast<float>(p.x) * z) + origin.x(),
            static_cast<int>(static_cast<float>(p.y) * z) + origin.y()};
}

Point CZephyrmapView::ToPicture(QPoint viewportPoint) const
{
    const QSize scaled = m_zoomed.ScaledSize();
    const QSize client = viewport()->size();
    const QPoint logical = viewportPoint + ScrollPosition();
    const int x = std::clamp(logical.x(), 0, std::max(client.width(), scaled.width()));
    const int y = std::clamp(logical.y(), 0, std::max(client.height(), scaled.height()));
    const QPoint origin = Origin();
    const float reciprocal = 1.0f / Factor();
    return {static_cast<int>(static_cast<float>(x - origin.x()) * reciprocal),
            static_cast<int>(static_cast<float>(y - origin.y()) * reciprocal)};
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
    return m_drag && !dynamic_cast<const PastePlacement*>(m_drag.get());
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
    if (!dirty.isEmpty())
        viewport()->update(dirty);
}

// ---- Painting ----

QPen CZephyrmapView::OutlinePen() const
{
    QPen pen(ToQColor(m_settings.OutlineColor));
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

QBrush CZephyrmapView::AreaBrush() const
{
    if (!m_settings.Hatching)
        return Qt::NoBrush;
    return QBrush(ToQColor(m_settings.HatchColor), Qt::BDiagPattern);
}

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
    // The DEFAULT area stands for the whole picture.
    m_doc.FitDefaultArea(loaded ? width : 0, loaded ? height : 0);
    painter.setPen(OutlinePen());
    painter.setBrush(AreaBrush());
    if (m_tool != Tool::Select && m_creation)
        m_creation->Paint(painter);
    painter.setPen(OutlinePen());
    painter.setBrush(AreaBrush());
    for (const auto& area : m_doc.Areas())
        DrawArea(painter, *area);
    PaintHandles(painter);
    if (m_drag)
        m_drag->Paint(painter);
    painter.restore();
}

void CZephyrmapView::PaintPicture(QPainter& painter, const QRect& clip)
{
    const QPoint origin = Origin();
    m_zoomed.Blit(painter, clip.topLeft() - origin, clip);
}

void CZephyrmapView::DrawArea(QPainter& painter, const CMapData& area) const
{
    const std::vector<Point>& points = area.m_points;
    if ((area.m_shape == ShapePoly || area.m_shape == ShapeRect) && points.size() > 1) {
        QPolygon polygon;
        for (const Point& p : points)
            polygon << ToLogical(p);
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    } else if (area.m_shape == ShapeCirc && points.size() == 4) {
        // The box's right and bottom edges lie outside it, as with the region.
        const QRect box = QRect(ToLogical(points[0]), ToLogical(points[2])).normalized();
        painter.drawEllipse(QRect(box.topLeft(), QSize(box.width() - 2, box.height() - 2)));
    }
}

void CZephyrmapView::DrawInverted(QPainter& painter, const CMapData& area) const
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    DrawArea(painter, area);
    painter.restore();
}

// A handle is a square of 6 x 6 window pixels centred on its point, whatever
// the magnification.
QRect CZephyrmapView::HandleSquare(const Rect& handle) const
{
    const float z = Factor();
    const QPoint origin = Origin();
    const int cx = handle.left + (handle.right - handle.left) / 2;
    const int cy = handle.top + (handle.bottom - handle.top) / 2;
    const int dx = origin.x() + static_cast<int>(static_cast<float>(cx) * z - static_cast<float>(cx));
    const int dy = origin.y() + static_cast<int>(static_cast<float>(cy) * z - static_cast<float>(cy));
    const int grow = (handle.left - handle.right + 6) / 2;
    return QRect(QPoint(handle.left + dx - grow, handle.top + dy - grow),
                 QPoint(handle.right + dx + grow - 1, handle.bottom + dy + grow - 1));
}

void CZephyrmapView::PaintHandles(QPainter& painter) const
{
    const std::vector<Rect>& handles = m_selection.Handles();
    if (!m_selection.IsSelected() || handles.size() < 2)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const Rect& handle : handles)
        painter.fillRect(HandleSquare(handle), Qt::black);
    // The grabbed handle: inverted once more one pixel wider, which leaves a
    // frame around a normal centre.
    const int grabbed = m_selection.grabbedHandle;
    if (grabbed >= 0 && grabbed < static_cast<int>(handles.size()))
        painter.fillRect(Grown(HandleSquare(handles[grabbed]), 1), Qt::black);
    painter.restore();
}

// ---- Printing ----

QImage CZephyrmapView::RenderPage()
{
    QSize size = m_zoomed.ScaledSize();
    if (size.isEmpty())
        return QImage();
    const double scale = std::min(1.0, static_cast<double>(kLargestPageSide) / std::max(size.width(), size.height()));
    QImage page(QSize(std::max(1, static_cast<int>(size.width() * scale)),
                      std::max(1, static_cast<int>(size.height() * scale))),
                QImage::Format_RGB32);
    if (page.isNull())
        return page;
    m_pageClient = size; // the picture fills the page: no centring margin
    QPainter painter(&page);
    painter.scale(scale, scale);
    PaintSurface(painter, QRect(QPoint(0, 0), size));
    m_pageClient = QSize();
    return page;
}

void CZephyrmapView::Print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintTo(printer);
}

void CZephyrmapView::PrintTo(QPrinter& printer)
{
    const QImage page = RenderPage();
    if (page.isNull())
        return;
    QPainter painter(&printer);
    const QRect paper = painter.viewport();
    const QSize fitted = page.size().scaled(paper.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(paper.topLeft(), fitted), page);
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
    }
}

void CZephyrmapView::Hover(Point p)
{
    m_selection.hoveredHandle = -1;
    if (CMapData* selected = m_selection.Area()) {
        const int handle = m_selection.HandleAt(p, Factor());
        if (handle >= 0) {
            m_hovered = selected;
            SetCursorKind(HandleCursor(*selected, handle));
            return;
        }
        m_selection.hoveredEdge = m_selection.EdgeAt(p);
        if (m_selection.hoveredEdge >= 0 && selected->m_shape == ShapePoly) {
            SetCursorKind(CursorKind::InsertVertex);
            return;
        }
    }
    // The first area in list order wins, as it does in a browser.
    const Rect probe{p.x - 1, p.y - 1, p.x + 1, p.y + 1};
    for (const auto& area : m_doc.Areas()) {
        if (area->m_shape != ShapeDefault && !area->Region().IsEmpty() && area->IntersectsRect(probe)) {
            m_hovered = area.get();
            SetCursorKind(CursorKind::OverArea);
            return;
        }
    }
    m_hovered = nullptr;
    SetCursorKind(CursorKind::Nothing);
}

// The cursor over handle `handle` of `area`; a rectangle's corner handles
// become the corner's own index for the drag.
CursorKind CZephyrmapView::HandleCursor(const CMapData& area, int handle)
{
    m_selection.hoveredHandle = handle;
    if (area.m_shape == ShapeRect) {
        switch (handle) {
        case 0:
        case 4:
            m_selection.hoveredHandle = handle / 2;
            return CursorKind::SizeNwse;
        case 2:
        case 6:
            m_selection.hoveredHandle = handle / 2;
            return CursorKind::SizeNesw;
        case 1:
        case 5:
            return CursorKind::SizeNs;
        default:
            return CursorKind::SizeWe;
        }
    }
    if (area.m_shape == ShapeCirc)
        return handle == 0 || handle == 2 ? CursorKind::SizeNwse : CursorKind::SizeNesw;
    return CursorKind::SizeNwse;
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

void CZephyrmapView::AddArea(std::unique_ptr<CMapData> area)
{
    CMapData* raw = area.get();
    m_doc.AddAreaUndoable(std::move(area));
    const int index = m_doc.IndexOf(raw);
    m_frame.FillList();
    m_frame.SelectArea(index);
    SelectAreaAt(index);
}

void CZephyrmapView::RecordGeometryEdit(UndoKind kind, std::unique_ptr<CMapData> before, CMapData* live)
{
    UndoStep step;
    step.kind = kind;
    m_doc.RecordEdit(std::move(step), std::move(before), live, true);
    emit StateChanged();
}

void CZephyrmapView::DeleteSelectedArea()
{
    CMapData* area = m_selection.Area();
    if (!area)
        return;
    if (auto pos = m_doc.FindArea(area))
        m_doc.RemoveAreaUndoable(*pos);
    m_selection.Clear();
    m_hovered = nullptr;
    m_frame.FillList();
    InvalidateAll();
    emit StateChanged();
}

bool CZephyrmapView::CanDeletePoint() const
{
    const CMapData* area = m_selection.Area();
    const int grabbed = m_selection.grabbedHandle;
    return area && area->m_shape == ShapePoly && area->m_points.size() >= 4 && grabbed >= 0 &&
           grabbed < static_cast<int>(area->m_points.size());
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

void CZephyrmapView::KeyboardMove(int dx, int dy)
{
    CMapData* area = m_selection.Area();
    if (!area)
        return;
    auto before = std::make_unique<CMapData>(*area);
    area->OffsetBy(dx, dy);
    m_selection.Rebuild(Factor());
    RecordGeometryEdit(UndoAreaMoved, std::move(before), area);
    InvalidateAll();
}

void CZephyrmapView::SetTool(Tool tool)
{
    if (tool == m_tool || IsDragging())
        return;
    // Whatever was being drawn or placed is dropped: the next area starts empty.
    RetireDrag();
    m_creation.reset();
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

void CZephyrmapView::ReturnToSelectionTool()
{
    m_tool = Tool::Select;
    SetCursorKind(CursorKind::Nothing);
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

void CZephyrmapView::StartPlacement(const CMapData& area, Point pointer)
{
    if (m_tool != Tool::Select)
        SetTool(Tool::Select);
    BeginDrag(std::make_unique<PastePlacement>(*this, area, pointer));
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
    ApplyCursor();
    emit StateChanged();
}

// ---- Events ----

void CZephyrmapView::SyncModifiers(Qt::KeyboardModifiers modifiers)
{
    m_shift = modifiers & Qt::ShiftModifier;
    m_ctrl = modifiers & Qt::ControlModifier;
}

void CZephyrmapView::mousePressEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    SyncModifiers(event->modifiers());
    const Point p = ToPicture(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        Active().Pressed(p);
    else if (event->button() == Qt::RightButton && m_drag)
        m_drag->RightPressed(p);
    AfterEvent();
}

void CZephyrmapView::mouseMoveEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    Active().Moved(ToPicture(event->position().toPoint()));
    EndFinishedQuietly();
}

void CZephyrmapView::mouseReleaseEvent(QMouseEvent* event)
{
    m_pointer = event->position().toPoint();
    SyncModifiers(event->modifiers());
    const Point p = ToPicture(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_drag)
        m_drag->Released(p);
    else if (event->button() == Qt::RightButton && m_drag)
        m_drag->RightReleased(p);
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

// Moves come often: only the cursor follows, without a command update.
void CZephyrmapView::EndFinishedQuietly()
{
    if (m_drag && m_drag->IsDone())
        RetireDrag();
    m_retired.clear();
    ApplyCursor();
}

void CZephyrmapView::ShiftOrCtrl(bool shift, bool ctrl)
{
    if (shift == m_shift && ctrl == m_ctrl)
        return;
    m_shift = shift;
    m_ctrl = ctrl;
    if (m_drag)
        m_drag->ModifiersChanged();
    ApplyCursor();
}

void CZephyrmapView::keyPressEvent(QKeyEvent* event)
{
    // A modifier's own key event may not carry the modifier yet (it does not
    // on X11): the key itself says what is held.
    switch (event->key()) {
    case Qt::Key_Shift:
        ShiftOrCtrl(true, m_ctrl);
        return;
    case Qt::Key_Control:
        ShiftOrCtrl(m_shift, true);
        return;
    case Qt::Key_Left:
        KeyboardMove(-1, 0);
        break;
    case Qt::Key_Up:
        KeyboardMove(0, -1);
        break;
    case Qt::Key_Right:
        KeyboardMove(1, 0);
        break;
    case Qt::Key_Down:
        KeyboardMove(0, 1);
        break;
    default:
        if (Active().KeyPressed(event->key())) {
            AfterEvent();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    ApplyCursor();
}

void CZephyrmapView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift)
        ShiftOrCtrl(false, m_ctrl);
    else if (event->key() == Qt::Key_Control)
        ShiftOrCtrl(m_shift, false);
    else
        QAbstractScrollArea::keyReleaseEvent(event);
}

void CZephyrmapView::focusInEvent(QFocusEvent* event)
{
    m_shift = m_ctrl = false;
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
    QMenu menu(this);
    for (CommandId id : {CmdRectangleTool, CmdCircleTool, CmdPolygonTool})
        menu.addAction(m_frame.Action(id));
    menu.addSeparator();
    for (CommandId id : {CmdCopyArea, CmdCutArea, CmdPasteArea, CmdPasteAreaWithAttributes})
        menu.addAction(m_frame.Action(id));
    menu.addSeparator();
    for (CommandId id : {CmdDeleteArea, CmdDeletePoint})
        menu.addAction(m_frame.Action(id));
    menu.addSeparator();
    for (CommandId id : {CmdOpenLinkTarget, CmdEditLinkTarget})
        menu.addAction(m_frame.Action(id));
    menu.exec(event->globalPos());
}

// ---- The area clipboard ----

void CZephyrmapView::CopyArea()
{
    if (const CMapData* area = m_selection.Area())
        AreaClipboard::CopyAreaToClipboard(*area);
}

void CZephyrmapView::CutArea()
{
    if (!m_selection.Area())
        return;
    CopyArea();
    DeleteSelectedArea();
}

void CZephyrmapView::PasteArea(bool withAttributes)
{
    if (IsDragging() || !(AreaClipboard::ClipboardContents() & AreaClipboard::HasArea))
        return;
    CMapData area;
    if (!AreaClipboard::ReadAreaFromClipboard(area, !withAttributes))
        return;
    const auto [minX, maxX] = std::minmax_element(area.m_points.begin(), area.m_points.end(),
                                                  [](const Point& a, const Point& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(area.m_points.begin(), area.m_points.end(),
                                                  [](const Point& a, const Point& b) { return a.y < b.y; });
    const Point centre{minX->x + (maxX->x - minX->x) / 2, minY->y + (maxY->y - minY->y) / 2};
    const Point target = ToPicture(viewport()->mapFromGlobal(QCursor::pos()));
    area.OffsetBy(target.x - centre.x, target.y - centre.y);
    StartPlacement(area, target);
}

// ---- Commands ----

std::vector<CommandRoute> CZephyrmapView::Commands()
{
    auto mapOpen = [this] { return m_frame.IsMapOpen(); };
    auto selected = [this] { return HasSelection(); };
    std::vector<CommandRoute> routes = {
        {CmdRectangleTool, [this] { SetTool(Tool::Rectangle); }, mapOpen, [this] { return m_tool == Tool::Rectangle; }},
        {CmdCircleTool, [this] { SetTool(Tool::Circle); }, mapOpen, [this] { return m_tool == Tool::Circle; }},
        {CmdPolygonTool, [this] { SetTool(Tool::Polygon); }, mapOpen, [this] { return m_tool == Tool::Polygon; }},
        {CmdTraceTool, [this] { SetTool(Tool::Trace); }, mapOpen, [this] { return m_tool == Tool::Trace; }},
        {CmdDeleteArea, [this] { DeleteSelectedArea(); }, selected, {}},
        {CmdDeletePoint, [this] { DeletePoint(); }, [this] { return CanDeletePoint(); }, {}},
        {CmdToggleHatching, [this] { ToggleHatching(); }, mapOpen, [this] { return m_settings.Hatching != 0; }},
        {CmdPrint, [this] { Print(); }, mapOpen, {}},
        {CmdCopyArea, [this] { CopyArea(); }, selected, {}},
        {CmdCutArea, [this] { CutArea(); }, selected, {}},
        {CmdPasteArea, [this] { PasteArea(false); }, [this] { return m_clipboardHasArea && m_frame.IsMapOpen(); }, {}},
        {CmdPasteAreaWithAttributes,
         [this] { PasteArea(true); },
         [this] { return m_clipboardHasArea && m_frame.IsMapOpen(); },
         {}},
    };
    const CommandId zooms[] = {CmdZoom50, CmdZoom100, CmdZoom150, CmdZoom200, CmdZoom300};
    for (int i = 0; i < 5; ++i) {
        const float factor = kFactors[i];
        routes.push_back({zooms[i], [this, factor] { ApplyMagnification(factor); }, mapOpen,
                          [this, factor] { return Factor() == factor; }});
    }
    return routes;
}
